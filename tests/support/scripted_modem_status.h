// Korvalin dial tester tests - a modem-status source whose driver a test plays.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "contacts/modem_status_source.h"

namespace kvl::test {

// Thread-safe: the monitor thread asks, the test thread plays the driver.
class ScriptedModemStatus : public ModemStatusSource {
public:
    // What the driver offers.
    bool waitSupported = true;
    bool countersSupported = true;
    // A slow driver (a USB round trip per query).
    std::chrono::microseconds readDelay{0};
    // Interrupts that come too early to end a wait and are lost.
    int interruptsToLose = 0;

    // The lines change; announce() also wakes a waiting monitor the way
    // the driver's interrupt would, set() alone is a change it never hears of.
    void set(int bits, bool countChange = true);
    void announce(int bits);
    void setReadable(bool readable);
    // The wake-up tick fires.
    void tick();
    // The next read of the monitor thread samples the present bits, then
    // the lines change to bits (counted) before the read returns.
    void changeDuringNextRead(int bits);
    // Reads of the monitor thread wait until release(); the value is the
    // one sampled when the read began.
    void holdThreadReads();
    void release();
    // Blocks until a read of the monitor thread is being held.
    void waitUntilHeld();

    int statusReads() const;
    int interrupts() const;
    std::chrono::microseconds tickAsked() const;
    // Waits the monitor has begun so far; one more proves it has dealt
    // with what came before.
    int waitsBegun() const;

    bool readStatus(int &bits) override;
    bool readCounters(ModemCounters &counters) override;
    Wait waitForChange() override;
    void beginWaiting(std::chrono::microseconds tick) override;
    void endWaiting() override;
    void interrupt() override;
    void pause(std::chrono::microseconds duration) override;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_bits = 0;
    bool m_readable = true;
    ModemCounters m_counters;
    int m_pendingAnnouncements = 0;
    int m_pendingTicks = 0;
    bool m_interrupted = false;
    int m_interrupts = 0;
    int m_statusReads = 0;
    bool m_changeDuringRead = false;
    int m_changeTo = 0;
    bool m_hold = false;
    bool m_held = false;
    int m_waitsBegun = 0;
    std::chrono::microseconds m_tick{0};
    std::thread::id m_monitorThread;
};

}  // namespace kvl::test
