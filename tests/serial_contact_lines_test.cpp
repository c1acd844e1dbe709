// Korvalin dial tester tests - the contact lines over a terminal device.
// Only pseudo-terminals and non-terminals are opened here, never a real
// serial device of this machine.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <map>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "contacts/serial_contact_lines.h"
#include "tests/support/pseudo_terminal.h"

namespace kvl {
namespace {

using test::PseudoTerminal;

const ModemLine allLines[] = {ModemLine::Dcd, ModemLine::Dsr, ModemLine::Ri};

void expectAllLinesRead0(SerialContactLines &lines, const char *when) {
    for (ModemLine line : allLines) EXPECT_EQ(lines.readLine(line), 0) << when;
}

class SerialContactLinesPty : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_pty.ok()) << "no pseudo-terminal available"; }

    SerialContactLines::Resolver resolver() {
        std::map<std::string, std::string> devices{{"COM7", m_pty.slavePath()},
                                                   {"COM8", m_other.slavePath()}};
        return [devices](const std::string &name) -> std::optional<std::string> {
            auto it = devices.find(name);
            if (it == devices.end()) return std::nullopt;
            return it->second;
        };
    }

    // The tty's own exclusive flag (shared by every descriptor of it), or
    // -1 when it cannot be looked at. Open as root to get past the flag.
    int exclusiveFlag() {
        const int fd = ::open(m_pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) return errno == EBUSY ? 1 : -1;
        int flag = -1;
        if (ioctl(fd, TIOCGEXCL, &flag) != 0) flag = -1;
        ::close(fd);
        return flag;
    }

    PseudoTerminal m_pty;
    PseudoTerminal m_other;
};

TEST_F(SerialContactLinesPty, AppliesTheLineSettings) {
    SerialContactLines lines(resolver());
    ASSERT_TRUE(lines.openContactPort("COM7"));
    termios t;
    ASSERT_EQ(tcgetattr(m_pty.master(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B300);
    EXPECT_EQ(cfgetispeed(&t), B300);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u) << "parity, 2 stop bits or RTS/CTS";
    EXPECT_NE(t.c_cflag & CLOCAL, 0u) << "an open nsi would count as a hang-up";
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u) << "software handshake";
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u) << "not raw";
    // A pseudo-terminal has no modem lines: its status cannot be read.
    expectAllLinesRead0(lines, "pty");
    lines.setRts(true);
    expectAllLinesRead0(lines, "pty after RTS");
}

TEST_F(SerialContactLinesPty, HoldsThePortExclusivelyUntilClosed) {
    SerialContactLines first(resolver());
    SerialContactLines second(resolver());
    ASSERT_TRUE(first.openContactPort("COM7"));
    EXPECT_FALSE(second.openContactPort("COM7")) << "a second open of a held port";
    // The failed open must not take the exclusive flag away from the holder.
    const int flag = exclusiveFlag();
    if (flag >= 0) EXPECT_EQ(flag, 1) << "other programs could open the held port";

    // Opening again on the same lines fails and keeps the open connection:
    // the port stays held, so others still cannot have it.
    EXPECT_FALSE(first.openContactPort("COM7"));
    EXPECT_FALSE(first.openContactPort("COM8"));
    EXPECT_FALSE(second.openContactPort("COM7")) << "the failed reopen released the port";

    first.closeContactPort();
    if (flag >= 0) EXPECT_EQ(exclusiveFlag(), 0) << "closing left the tty exclusive";
    EXPECT_TRUE(second.openContactPort("COM7")) << "closing did not release the port";
    EXPECT_FALSE(first.openContactPort("COM7"));
    EXPECT_TRUE(first.openContactPort("COM8"));
}

TEST_F(SerialContactLinesPty, ClosesHarmlesslyReopensAndLeaksNothing) {
    const int before = test::openDescriptorCount();
    {
        SerialContactLines lines(resolver());
        lines.closeContactPort();
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(lines.openContactPort("COM7")) << "round " << round;
            EXPECT_FALSE(lines.openContactPort("COM7"));
            lines.closeContactPort();
            lines.closeContactPort();
            expectAllLinesRead0(lines, "closed");
            EXPECT_FALSE(lines.openContactPort("COM9"));
        }
        // Left open: the destructor must close it.
        ASSERT_TRUE(lines.openContactPort("COM7"));
    }
    EXPECT_EQ(test::openDescriptorCount(), before);
    SerialContactLines again(resolver());
    EXPECT_TRUE(again.openContactPort("COM7")) << "the destructor left the port held";
}

struct UnusableCase {
    const char *label;
    const char *name;
    std::optional<std::string> device;
};

class SerialContactLinesUnusable : public ::testing::TestWithParam<UnusableCase> {};

TEST_P(SerialContactLinesUnusable, FailsCleanly) {
    const UnusableCase &c = GetParam();
    char plainFile[] = "/tmp/kvl-not-a-port-XXXXXX";
    const int plain = mkstemp(plainFile);
    ASSERT_GE(plain, 0);
    ::close(plain);
    std::string device = c.device.value_or("");
    if (device == "<plain file>") device = plainFile;

    const int before = test::openDescriptorCount();
    SerialContactLines lines([&](const std::string &) -> std::optional<std::string> {
        if (!c.device) return std::nullopt;
        return device;
    });
    EXPECT_FALSE(lines.openContactPort(c.name));
    expectAllLinesRead0(lines, c.name);
    lines.setRts(true);
    lines.closeContactPort();
    EXPECT_EQ(test::openDescriptorCount(), before) << "descriptor leaked";
    std::remove(plainFile);
}

INSTANTIATE_TEST_SUITE_P(Table, SerialContactLinesUnusable,
                         ::testing::Values(
                             // Test harnesses mask serial nodes with /dev/null.
                             UnusableCase{"maskedNode", "COM1", std::string("/dev/null")},
                             UnusableCase{"missingNode", "COM5",
                                          std::string("/dev/ttyUSB-kvl-absent")},
                             UnusableCase{"directory", "COM6", std::string("/")},
                             UnusableCase{"plainFile", "COM6", std::string("<plain file>")},
                             UnusableCase{"unmappedName", "COM 3", std::nullopt}),
                         [](const auto &info) { return std::string(info.param.label); });

// The default mapping: only names that map to no device are tried here, so
// nothing of this machine is opened.
TEST(SerialContactLinesNames, UnmappedNamesNeverOpen) {
    SerialContactLines lines;
    for (const char *name : {"COM 3", "COM27", "COM03", "com3", "", "/dev/null"}) {
        EXPECT_FALSE(lines.openContactPort(name)) << name;
        expectAllLinesRead0(lines, name);
    }
}

}  // namespace
}  // namespace kvl
