// Korvalin dial tester tests - the machine's millisecond clock.
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <fstream>
#include <limits>
#include <thread>

#include "platform/qt/monotonic_ticks.h"
#include "platform/qt/system_clock.h"

namespace kvl {
namespace {

TEST(TickFromMonotonic, WrapsLikeASigned32BitCounter) {
    const struct {
        std::int64_t seconds;
        std::int64_t nanoseconds;
        std::int32_t tick;
    } cases[] = {
        {0, 0, 0},
        {0, 999999, 0},  // whole milliseconds only
        {0, 1000000, 1},
        {1, 999999999, 1999},
        {2147483, 647000000, std::numeric_limits<std::int32_t>::max()},
        {2147483, 648000000, std::numeric_limits<std::int32_t>::min()},
        {4294967, 295000000, -1},
        {4294967, 296000000, 0},
        {4294967, 301000000, 5},
        {86400LL * 365 * 30, 0,
         static_cast<std::int32_t>(static_cast<std::uint32_t>(86400ULL * 365 * 30 * 1000))},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tickFromMonotonic(c.seconds, c.nanoseconds), c.tick)
            << c.seconds << " s " << c.nanoseconds << " ns";
}

TEST(TickFromMonotonic, DifferencesStayTrueAcrossTheWrap) {
    const std::int32_t before = tickFromMonotonic(4294967, 290000000);
    const std::int32_t after = tickFromMonotonic(4294967, 310000000);
    EXPECT_EQ(tickDiff(after, before), 20);
    EXPECT_EQ(tickDiff(before, after), -20);
}

std::int32_t monotonicNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return tickFromMonotonic(t.tv_sec, t.tv_nsec);
}

TEST(SystemClock, TickIsTheMonotonicClockInMilliseconds) {
    SystemClock clock;
    const std::int32_t before = monotonicNow();
    const std::int32_t tick = clock.tick();
    const std::int32_t after = monotonicNow();
    EXPECT_GE(tickDiff(tick, before), 0);
    EXPECT_GE(tickDiff(after, tick), 0);
}

TEST(SystemClock, SleepLastsAtLeastItsLength) {
    SystemClock clock;
    for (int ms : {1, 5, 20}) {
        timespec start{}, end{};
        clock_gettime(CLOCK_MONOTONIC, &start);
        clock.sleepMs(ms);
        clock_gettime(CLOCK_MONOTONIC, &end);
        const double elapsedMs =
            (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
        EXPECT_GE(elapsedMs, ms) << "sleepMs(" << ms << ")";
    }
}

TEST(SystemClock, SleepKeepsTheThreadsTimerSlackSmallAndRestoresIt) {
    const long original = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    constexpr long ownSlack = 123456;
    std::atomic<long> tid{0};
    std::atomic<long> sleeperSlack{-1};
    std::thread sleeper([&] {
        prctl(PR_SET_TIMERSLACK, ownSlack, 0, 0, 0);
        tid = syscall(SYS_gettid);
        SystemClock clock;
        clock.sleepMs(300);
        sleeperSlack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    });
    while (tid == 0) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // Another thread's slack can be read only through /proc (Linux 4.6 on).
    std::ifstream file("/proc/self/task/" + std::to_string(tid.load()) + "/timerslack_ns");
    long during = -1;
    if (file) file >> during;
    sleeper.join();

    EXPECT_EQ(sleeperSlack.load(), ownSlack) << "the slack must be put back after the sleep";
    EXPECT_EQ(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0), original);
    if (during < 0)
        GTEST_SKIP() << "timerslack_ns not readable here; the slack during the sleep "
                        "was not checked";
    EXPECT_LE(during, 1000) << "timer slack while sleeping, in ns";
}

TEST(SystemClock, LocalDateTimeIsTheCalendarOfNow) {
    SystemClock clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t now = std::time(nullptr);
        const LocalDateTime got = clock.localDateTime();
        std::tm expected{};
        localtime_r(&now, &expected);
        if (got.second != expected.tm_sec) continue;  // a second boundary passed
        EXPECT_EQ(got.year, expected.tm_year + 1900);
        EXPECT_EQ(got.month, expected.tm_mon + 1);
        EXPECT_EQ(got.day, expected.tm_mday);
        EXPECT_EQ(got.hour, expected.tm_hour);
        EXPECT_EQ(got.minute, expected.tm_min);
        return;
    }
    FAIL() << "the seconds of localDateTime never matched the calendar";
}

}  // namespace
}  // namespace kvl
