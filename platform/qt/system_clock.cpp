// Korvalin dial tester - the machine's monotonic millisecond clock.
#include "platform/qt/system_clock.h"

#include <sys/prctl.h>

#include <cerrno>
#include <chrono>
#include <ctime>

#include "platform/qt/monotonic_ticks.h"

namespace kvl {

namespace {

// The kernel may defer a timer by the thread's slack (50 us by default, much
// more for background processes). The capture's 1 ms passes need the wake-up
// on time, so the slack is held at 1 us for the length of each sleep.
constexpr std::chrono::nanoseconds sleepTimerSlack{1000};

// Sets the thread's timer slack for its lifetime and puts the old one back.
class TimerSlackScope {
public:
    explicit TimerSlackScope(std::chrono::nanoseconds slack)
        : m_previous(prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0)) {
        if (m_previous > 0) prctl(PR_SET_TIMERSLACK, slack.count(), 0, 0, 0);
    }
    ~TimerSlackScope() {
        if (m_previous > 0) prctl(PR_SET_TIMERSLACK, m_previous, 0, 0, 0);
    }
    TimerSlackScope(const TimerSlackScope &) = delete;
    TimerSlackScope &operator=(const TimerSlackScope &) = delete;

private:
    long m_previous = -1;
};

}  // namespace

std::int32_t SystemClock::tick() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return tickFromMonotonic(now.tv_sec, now.tv_nsec);
}

void SystemClock::sleepMs(int ms) {
    if (ms <= 0) return;
    TimerSlackScope slack(sleepTimerSlack);
    // An absolute deadline: a signal that interrupts the sleep does not
    // lengthen it when the sleep resumes.
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

LocalDateTime SystemClock::localDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (!localtime_r(&now, &parts)) return {};
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace kvl
