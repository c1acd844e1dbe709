// Korvalin dial tester - the modem status of a POSIX tty through its driver's ioctls.
#ifdef __linux__
#include "contacts/tty_modem_status.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kvl {

namespace {

// TIOCMIWAIT sleeps in the driver and no flag can end it; a signal can.
// A real-time signal that the C library and Qt leave alone, with a handler
// that does nothing and without SA_RESTART, makes the wait return EINTR.
int wakeSignal() {
    return SIGRTMIN + 5;
}

void ignoreWake(int) {}

void installWakeHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action;
        std::memset(&action, 0, sizeof action);
        action.sa_handler = ignoreWake;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(wakeSignal(), &action, nullptr);
    });
}

}  // namespace

bool TtyModemStatus::readStatus(int &bits) {
    int value = 0;
    if (ioctl(m_fd, TIOCMGET, &value) != 0) return false;
    bits = value;
    return true;
}

bool TtyModemStatus::readCounters(ModemCounters &counters) {
    serial_icounter_struct icount;
    std::memset(&icount, 0, sizeof icount);
    if (ioctl(m_fd, TIOCGICOUNT, &icount) != 0) return false;
    counters.cts = icount.cts;
    counters.dsr = icount.dsr;
    counters.rng = icount.rng;
    counters.dcd = icount.dcd;
    return true;
}

ModemStatusSource::Wait TtyModemStatus::waitForChange() {
    if (m_interrupted) return Wait::Interrupted;
    if (ioctl(m_fd, TIOCMIWAIT, TIOCM_CD | TIOCM_DSR | TIOCM_RNG) == 0) return Wait::Changed;
    switch (errno) {
        case EINTR:
            return Wait::Interrupted;
        case ENOTTY:
        case EINVAL:
        case ENOSYS:
            return Wait::Unsupported;
        default:
            return Wait::Failed;
    }
}

void TtyModemStatus::beginWaiting(std::chrono::microseconds tick) {
    installWakeHandler();
    sigset_t wake;
    sigemptyset(&wake);
    sigaddset(&wake, wakeSignal());
    pthread_sigmask(SIG_UNBLOCK, &wake, nullptr);
    m_thread = pthread_self();
    m_haveThread = true;
    if (tick.count() <= 0 || m_haveTimer) return;

    // The tick goes to this thread alone, not to whichever thread of the
    // process the kernel would pick for a process-wide timer signal.
    sigevent event;
    std::memset(&event, 0, sizeof event);
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = wakeSignal();
#ifdef sigev_notify_thread_id
    event.sigev_notify_thread_id = static_cast<pid_t>(syscall(SYS_gettid));
#else
    event._sigev_un._tid = static_cast<pid_t>(syscall(SYS_gettid));
#endif
    if (timer_create(CLOCK_MONOTONIC, &event, &m_timer) != 0) return;
    m_haveTimer = true;
    itimerspec period;
    std::memset(&period, 0, sizeof period);
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(tick);
    period.it_interval.tv_sec = static_cast<time_t>(seconds.count());
    period.it_interval.tv_nsec = static_cast<long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(tick - seconds).count());
    period.it_value = period.it_interval;
    timer_settime(m_timer, 0, &period, nullptr);
}

void TtyModemStatus::endWaiting() {
    if (!m_haveTimer) return;
    timer_delete(m_timer);
    m_haveTimer = false;
}

void TtyModemStatus::interrupt() {
    m_interrupted = true;
    if (m_haveThread) pthread_kill(m_thread, wakeSignal());
}

void TtyModemStatus::pause(std::chrono::microseconds duration) {
    if (m_interrupted) return;
    timespec delay;
    delay.tv_sec = static_cast<time_t>(duration.count() / 1000000);
    delay.tv_nsec = static_cast<long>(duration.count() % 1000000) * 1000;
    clock_nanosleep(CLOCK_MONOTONIC, 0, &delay, nullptr);
}

}  // namespace kvl

#endif  // __linux__
