// Korvalin dial tester - keeps the latest modem status of an open port at hand.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "contacts/modem_status_source.h"

namespace kvl {

// The sampling loop reads the lines about once per millisecond and must not
// wait; on many USB adapters one status query takes longer than that. So a
// thread of this class follows the port and the loop reads what it found
// last, without any system call.
class ModemMonitor {
public:
    // Below this a status query counts as cheap (a built-in UART or a
    // driver that answers from its cache): then the monitor simply asks at
    // every tick, so even a change the driver never announces is seen
    // within a fraction of a millisecond.
    static constexpr std::chrono::microseconds cheapQuery{100};
    // Tick for cheap queries: well inside the 1 ms sampling pass.
    static constexpr std::chrono::microseconds cheapTick{200};
    // Tick for slow queries (synchronous USB round trips of 1 to 2 ms): only
    // the driver's change counters are looked at then, which bounds how
    // late a change can be seen that slipped in just before a wait began.
    static constexpr std::chrono::microseconds slowTick{1000};
    // Polling interval where the driver cannot wait for changes.
    static constexpr std::chrono::microseconds pollInterval{100};
    // While the status cannot be read at all (no modem lines, adapter
    // gone), asking ten times as often would only burn the processor.
    static constexpr std::chrono::microseconds failedPollInterval{1000};
    // How long stop() waits for the thread before it asks it again to end.
    static constexpr std::chrono::milliseconds stopRetry{2};

    enum class Mode { Idle, Waiting, Polling };

    explicit ModemMonitor(ModemStatusSource &source) : m_source(source) {}
    ~ModemMonitor() { stop(); }
    ModemMonitor(const ModemMonitor &) = delete;
    ModemMonitor &operator=(const ModemMonitor &) = delete;

    // Reads the status at once, so that the first latest() is already
    // current, then starts following the port.
    void start();
    // Returns once the thread has ended; harmless when not running.
    void stop();
    // Reads the status on the caller's thread (after the caller changed an
    // output line that the inputs may follow).
    void refreshNow() { publish(); }

    // The TIOCM_* bits of the latest status; -1 when it could not be read.
    int latest() const;
    Mode mode() const { return m_mode.load(); }
    bool cheap() const { return m_cheap; }

private:
    void run();
    void refresh();
    bool countersMoved();
    void publish();

    ModemStatusSource &m_source;
    // Latest status: a ticket in the upper bits, then a valid flag, then
    // the status bits. A query that started later always wins, so a slow
    // query of the thread cannot overwrite a fresher one of refreshNow().
    std::atomic<std::uint64_t> m_state{0};
    std::atomic<std::uint64_t> m_nextTicket{1};
    std::atomic<Mode> m_mode{Mode::Idle};
    std::atomic<bool> m_stop{false};
    bool m_cheap = true;
    bool m_haveLastCounters = false;
    ModemCounters m_lastCounters;

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_finishedSignal;
    bool m_finished = false;
};

}  // namespace kvl
