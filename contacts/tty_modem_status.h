// Korvalin dial tester - the modem status of a POSIX tty through its driver's ioctls.
#pragma once
// Linux only: the tick needs a timer that signals one thread.
#ifdef __linux__

#include <atomic>
#include <chrono>

#include <pthread.h>
#include <time.h>

#include "contacts/modem_status_source.h"

namespace kvl {

// Serves one monitor thread on one open descriptor, which it does not own.
class TtyModemStatus : public ModemStatusSource {
public:
    explicit TtyModemStatus(int fd) : m_fd(fd) {}
    ~TtyModemStatus() override { endWaiting(); }

    bool readStatus(int &bits) override;
    bool readCounters(ModemCounters &counters) override;
    Wait waitForChange() override;
    void beginWaiting(std::chrono::microseconds tick) override;
    void endWaiting() override;
    // After this, waits and pauses return at once: it is only used to stop.
    void interrupt() override;
    void pause(std::chrono::microseconds duration) override;

private:
    int m_fd = -1;
    std::atomic<bool> m_interrupted{false};
    std::atomic<bool> m_haveThread{false};
    pthread_t m_thread{};
    bool m_haveTimer = false;
    timer_t m_timer{};
};

}  // namespace kvl

#endif  // __linux__
