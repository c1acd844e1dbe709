// Korvalin dial tester tests - a modem-status source whose driver a test plays.
#include "tests/support/scripted_modem_status.h"

#include <sys/ioctl.h>

namespace kvl::test {

void ScriptedModemStatus::set(int bits, bool countChange) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const int changed = m_bits ^ bits;
    m_bits = bits;
    if (!countChange) return;
    if (changed & TIOCM_CD) m_counters.dcd++;
    if (changed & TIOCM_DSR) m_counters.dsr++;
    if (changed & TIOCM_RI) m_counters.rng++;
}

void ScriptedModemStatus::announce(int bits) {
    set(bits);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pendingAnnouncements++;
    m_wake.notify_all();
}

void ScriptedModemStatus::setReadable(bool readable) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_readable = readable;
}

void ScriptedModemStatus::tick() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pendingTicks++;
    m_wake.notify_all();
}

void ScriptedModemStatus::changeDuringNextRead(int bits) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_changeDuringRead = true;
    m_changeTo = bits;
}

void ScriptedModemStatus::holdThreadReads() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hold = true;
}

void ScriptedModemStatus::release() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hold = false;
    m_wake.notify_all();
}

void ScriptedModemStatus::waitUntilHeld() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return m_held; });
}

int ScriptedModemStatus::statusReads() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_statusReads;
}

int ScriptedModemStatus::interrupts() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_interrupts;
}

std::chrono::microseconds ScriptedModemStatus::tickAsked() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_tick;
}

int ScriptedModemStatus::waitsBegun() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_waitsBegun;
}

bool ScriptedModemStatus::readStatus(int &bits) {
    if (readDelay.count() > 0) std::this_thread::sleep_for(readDelay);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_statusReads++;
    const int sampled = m_bits;
    const bool readable = m_readable;
    const bool onMonitor = std::this_thread::get_id() == m_monitorThread;
    if (onMonitor && m_hold) {
        m_held = true;
        m_wake.notify_all();
        m_wake.wait(lock, [this] { return !m_hold; });
        m_held = false;
    }
    if (onMonitor && m_changeDuringRead) {
        m_changeDuringRead = false;
        lock.unlock();
        set(m_changeTo);
        lock.lock();
    }
    if (!readable) return false;
    bits = sampled;
    return true;
}

bool ScriptedModemStatus::readCounters(ModemCounters &counters) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!countersSupported) return false;
    counters = m_counters;
    return true;
}

ModemStatusSource::Wait ScriptedModemStatus::waitForChange() {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!waitSupported) return Wait::Unsupported;
    m_waitsBegun++;
    m_wake.wait(
        lock, [this] { return m_interrupted || m_pendingAnnouncements > 0 || m_pendingTicks > 0; });
    if (m_pendingAnnouncements > 0) {
        m_pendingAnnouncements--;
        return Wait::Changed;
    }
    if (m_pendingTicks > 0) m_pendingTicks--;
    return Wait::Interrupted;
}

void ScriptedModemStatus::beginWaiting(std::chrono::microseconds tick) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tick = tick;
    m_monitorThread = std::this_thread::get_id();
}

void ScriptedModemStatus::endWaiting() {}

void ScriptedModemStatus::interrupt() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interrupts++;
    if (m_interrupts <= interruptsToLose) return;
    m_interrupted = true;
    m_wake.notify_all();
}

void ScriptedModemStatus::pause(std::chrono::microseconds duration) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait_for(lock, duration, [this] { return m_interrupted; });
}

}  // namespace kvl::test
