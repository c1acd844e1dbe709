// Korvalin dial tester - the contact lines over a real serial port (Linux).
#ifndef _WIN32
#include "contacts/serial_contact_lines.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "contacts/modem_monitor.h"
#include "contacts/port_names.h"
#include "contacts/tty_modem_status.h"

namespace kvl {

namespace {

int lineBit(ModemLine line) {
    switch (line) {
        case ModemLine::Dcd:
            return TIOCM_CD;
        case ModemLine::Dsr:
            return TIOCM_DSR;
        case ModemLine::Ri:
            return TIOCM_RI;
    }
    return 0;
}

// 300 baud 8N1, raw, no handshake of any kind: the lines carry contact
// levels, not data, and CTS must not hold anything up. CLOCAL so that a
// dial that opens nsi (DCD) is not taken for a hang-up.
bool applyLineSettings(int fd) {
    termios settings;
    if (tcgetattr(fd, &settings) != 0) return false;
    cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, B300) != 0 || cfsetospeed(&settings, B300) != 0) return false;
    if (tcsetattr(fd, TCSANOW, &settings) != 0) return false;
    // tcsetattr succeeds when any one of the settings took; make sure all
    // that matter did.
    termios applied;
    if (tcgetattr(fd, &applied) != 0) return false;
    return cfgetospeed(&applied) == B300 && cfgetispeed(&applied) == B300 &&
           (applied.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CLOCAL)) == (CS8 | CLOCAL);
}

}  // namespace

struct SerialContactLines::Port {
    explicit Port(int descriptor) : fd(descriptor), status(descriptor), monitor(status) {}
    ~Port() {
        // The monitor's ioctls use the descriptor: end it before the number
        // can be handed out again.
        monitor.stop();
        ioctl(fd, TIOCNXCL);
        flock(fd, LOCK_UN);
        ::close(fd);
    }
    int fd;
    TtyModemStatus status;
    ModemMonitor monitor;
};

SerialContactLines::SerialContactLines() : m_resolver(devicePathForPort) {}
SerialContactLines::SerialContactLines(Resolver resolver) : m_resolver(std::move(resolver)) {}
SerialContactLines::~SerialContactLines() = default;

bool SerialContactLines::openContactPort(const std::string &name) {
    // One port at a time; the one already open stays in use.
    if (m_port) return false;
    const std::optional<std::string> path = m_resolver ? m_resolver(name) : std::nullopt;
    if (!path) return false;

    const int fd = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // Anything that is not a terminal (a missing adapter's node masked
    // with /dev/null, a plain file) has no modem lines to read. The lock
    // keeps out a second open by this program (TIOCEXCL does not stop a
    // privileged one) and by any other program that honours it.
    termios probe;
    if (tcgetattr(fd, &probe) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // The exclusive flag belongs to the tty, not to this descriptor: clear
    // it only once it is this program's own.
    if (ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return false;
    }
    if (!applyLineSettings(fd)) {
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    // Opening a tty raises RTS; the dial must see it only when the test
    // sets it. A port without modem lines refuses this, which is harmless.
    const int rts = TIOCM_RTS;
    ioctl(fd, TIOCMBIC, &rts);

    m_port = std::make_unique<Port>(fd);
    m_port->monitor.start();
    return true;
}

void SerialContactLines::setRts(bool on) {
    if (!m_port) return;
    const int rts = TIOCM_RTS;
    ioctl(m_port->fd, on ? TIOCMBIS : TIOCMBIC, &rts);
    // The inputs follow RTS through the dial: the next read must already
    // see what they do now, not what the monitor saw before.
    m_port->monitor.refreshNow();
}

int SerialContactLines::readLine(ModemLine line) {
    if (!m_port) return 0;
    const int bits = m_port->monitor.latest();
    if (bits < 0) return 0;
    return (bits & lineBit(line)) != 0 ? 1 : 0;
}

void SerialContactLines::closeContactPort() {
    m_port.reset();
}

}  // namespace kvl
#endif  // _WIN32
