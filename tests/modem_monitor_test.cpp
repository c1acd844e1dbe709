// Korvalin dial tester tests - the line monitor against a driver the test plays.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include <sys/ioctl.h>

#include "contacts/modem_monitor.h"
#include "tests/support/scripted_modem_status.h"

namespace kvl {
namespace {

using namespace std::chrono_literals;
using test::ScriptedModemStatus;

// Liveness only: how long a test waits for the monitor thread before it
// calls the behaviour missing. Not a speed requirement.
constexpr auto patience = 5s;

bool eventually(const std::function<bool()> &condition);

// Plays one driver event and returns once the monitor has dealt with it and
// waits again.
void andWaitAgain(ScriptedModemStatus &source, const std::function<void()> &event) {
    const int waits = source.waitsBegun();
    event();
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > waits; }));
}

bool eventually(const std::function<bool()> &condition) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(100us);
    }
    return condition();
}

constexpr int restingDial = TIOCM_CD;             // nsi closed, nsa open
constexpr int windingDial = TIOCM_CD | TIOCM_RI;  // nsa closed
constexpr int pulseOpen = TIOCM_RI;               // nsi open during a pulse
constexpr int sixWire = TIOCM_CD | TIOCM_DSR;     // nsr closed as well

TEST(ModemMonitorStart, FirstReadAlreadyShowsTheStatusAndFailureIsInvalid) {
    ScriptedModemStatus source;
    source.set(sixWire);
    ModemMonitor monitor(source);
    monitor.start();
    EXPECT_EQ(monitor.latest(), sixWire);

    ScriptedModemStatus mute;
    mute.setReadable(false);
    ModemMonitor silent(mute);
    silent.start();
    EXPECT_EQ(silent.latest(), -1);
}

TEST(ModemMonitorWaiting, FollowsAnnouncedChangesOfEveryLine) {
    ScriptedModemStatus source;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
    EXPECT_EQ(monitor.mode(), ModemMonitor::Mode::Waiting);
    for (int bits : {windingDial, pulseOpen, windingDial, sixWire | TIOCM_RI, restingDial}) {
        source.announce(bits);
        EXPECT_TRUE(eventually([&] { return monitor.latest() == bits; })) << bits;
    }
}

TEST(ModemMonitorPolling, DriverWithoutWaitIsPolledAndFailuresShowAsInvalid) {
    ScriptedModemStatus source;
    source.waitSupported = false;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_TRUE(eventually([&] { return monitor.mode() == ModemMonitor::Mode::Polling; }));
    // Nothing announces these: only asking again finds them.
    source.set(pulseOpen);
    EXPECT_TRUE(eventually([&] { return monitor.latest() == pulseOpen; }));
    source.setReadable(false);
    EXPECT_TRUE(eventually([&] { return monitor.latest() == -1; }));
    source.setReadable(true);
    source.set(windingDial);
    EXPECT_TRUE(eventually([&] { return monitor.latest() == windingDial; }));
}

// A change that falls between the monitor's last query and the start of its
// next wait is never announced to that wait; the tick must find it.
TEST(ModemMonitorTick, CheapDriverIsAskedAgainAtEveryTick) {
    ScriptedModemStatus source;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_TRUE(monitor.cheap()) << "an instant fake query was timed as slow";
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
    EXPECT_EQ(source.tickAsked(), ModemMonitor::cheapTick);
    source.set(pulseOpen, /*countChange=*/false);
    source.tick();
    EXPECT_TRUE(eventually([&] { return monitor.latest() == pulseOpen; }));
}

struct SlowTickCase {
    const char *name;
    bool countersSupported;
    bool countChange;
    bool expectReread;
};

class ModemMonitorSlowTick : public ::testing::TestWithParam<SlowTickCase> {};

TEST_P(ModemMonitorSlowTick, SlowDriverIsAskedOnlyWhenItsCountersMoved) {
    const SlowTickCase &c = GetParam();
    ScriptedModemStatus source;
    source.readDelay = 300us;
    source.countersSupported = c.countersSupported;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_FALSE(monitor.cheap());
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
    EXPECT_EQ(source.tickAsked(), ModemMonitor::slowTick);
    const int readsBefore = source.statusReads();

    andWaitAgain(source, [&] {
        source.set(pulseOpen, c.countChange);
        source.tick();
    });
    if (c.expectReread) {
        EXPECT_TRUE(eventually([&] { return monitor.latest() == pulseOpen; }));
    } else {
        EXPECT_EQ(source.statusReads(), readsBefore);
        EXPECT_EQ(monitor.latest(), restingDial);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ModemMonitorSlowTick,
                         ::testing::Values(SlowTickCase{"countedChange", true, true, true},
                                           SlowTickCase{"quietCounters", true, false, false},
                                           SlowTickCase{"noCounters", false, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ModemMonitorCounters, ChangeDuringAQueryIsReadAgainAtOnce) {
    ScriptedModemStatus source;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
    // The announced change is read, and while that read runs the dial opens
    // nsi; no tick and no further announcement come.
    source.changeDuringNextRead(pulseOpen);
    source.announce(windingDial);
    EXPECT_TRUE(eventually([&] { return monitor.latest() == pulseOpen; }));
}

TEST(ModemMonitorOrder, SlowThreadQueryDoesNotOverwriteAFresherOne) {
    ScriptedModemStatus source;
    source.set(restingDial);
    ModemMonitor monitor(source);
    monitor.start();
    ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
    source.holdThreadReads();
    source.announce(restingDial | TIOCM_DSR);
    source.waitUntilHeld();
    // While the thread's query (which sampled the old level) hangs, the
    // caller changes RTS and reads the new level itself.
    source.set(windingDial, /*countChange=*/false);
    monitor.refreshNow();
    EXPECT_EQ(monitor.latest(), windingDial);
    andWaitAgain(source, [&] { source.release(); });
    EXPECT_EQ(monitor.latest(), windingDial);
}

TEST(ModemMonitorStop, EndsEvenWhenWakeUpsAreLostAndCanBeRepeated) {
    for (const bool waitSupported : {true, false}) {
        ScriptedModemStatus source;
        source.waitSupported = waitSupported;
        source.interruptsToLose = 3;
        ModemMonitor monitor(source);
        monitor.start();
        if (waitSupported) ASSERT_TRUE(eventually([&] { return source.waitsBegun() > 0; }));
        monitor.stop();
        EXPECT_EQ(monitor.mode(), ModemMonitor::Mode::Idle);
        if (waitSupported) EXPECT_GT(source.interrupts(), source.interruptsToLose);
        monitor.stop();
    }
}

}  // namespace
}  // namespace kvl
