// Korvalin dial tester - keeps the latest modem status of an open port at hand.
#include "contacts/modem_monitor.h"

#include <algorithm>

namespace kvl {

namespace {

constexpr int statusBitsWidth = 16;
constexpr std::uint64_t statusMask = (std::uint64_t{1} << statusBitsWidth) - 1;
constexpr std::uint64_t validFlag = std::uint64_t{1} << statusBitsWidth;
constexpr int ticketShift = statusBitsWidth + 1;
// A change counted while the status was being read may or may not be in
// what was read; ask again, but not forever on a line that chatters.
constexpr int maxRereads = 4;
// Queries timed at start-up to tell a cheap driver from a slow one; the
// fastest counts, so one preempted query does not decide.
constexpr int costSamples = 3;

}  // namespace

void ModemMonitor::start() {
    if (m_thread.joinable()) return;
    auto fastest = std::chrono::steady_clock::duration::max();
    for (int i = 0; i < costSamples; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        publish();
        fastest = std::min(fastest, std::chrono::steady_clock::now() - begin);
    }
    m_cheap = fastest < cheapQuery;
    m_haveLastCounters = m_source.readCounters(m_lastCounters);
    m_stop = false;
    m_finished = false;
    m_mode = Mode::Waiting;
    m_thread = std::thread([this] { run(); });
}

void ModemMonitor::stop() {
    if (!m_thread.joinable()) return;
    m_stop = true;
    {
        // A wake-up that arrives just before the thread enters its wait is
        // lost, and the wait would then last until the next line change:
        // keep asking until the thread has really ended.
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_finished) {
            m_source.interrupt();
            m_finishedSignal.wait_for(lock, stopRetry);
        }
    }
    m_thread.join();
    m_mode = Mode::Idle;
}

int ModemMonitor::latest() const {
    const std::uint64_t state = m_state.load(std::memory_order_acquire);
    if ((state & validFlag) == 0) return -1;
    return static_cast<int>(state & statusMask);
}

void ModemMonitor::publish() {
    const std::uint64_t ticket = m_nextTicket.fetch_add(1);
    int bits = 0;
    const bool valid = m_source.readStatus(bits);
    const std::uint64_t desired = (ticket << ticketShift) | (valid ? validFlag : 0) |
                                  (static_cast<std::uint64_t>(bits) & statusMask);
    std::uint64_t current = m_state.load();
    while ((current >> ticketShift) < ticket &&
           !m_state.compare_exchange_weak(current, desired, std::memory_order_acq_rel)) {
    }
}

void ModemMonitor::refresh() {
    for (int attempt = 0; attempt < maxRereads; ++attempt) {
        ModemCounters before;
        m_haveLastCounters = m_source.readCounters(before);
        publish();
        if (!m_haveLastCounters) return;
        m_lastCounters = before;
        ModemCounters after;
        if (!m_source.readCounters(after) || after == before) return;
    }
}

bool ModemMonitor::countersMoved() {
    ModemCounters now;
    if (!m_haveLastCounters || !m_source.readCounters(now)) return true;
    return now != m_lastCounters;
}

void ModemMonitor::run() {
    m_source.beginWaiting(m_cheap ? cheapTick : slowTick);
    bool waiting = true;
    while (!m_stop) {
        if (!waiting) {
            refresh();
            m_source.pause(latest() < 0 ? failedPollInterval : pollInterval);
            continue;
        }
        switch (m_source.waitForChange()) {
            case ModemStatusSource::Wait::Changed:
                refresh();
                break;
            case ModemStatusSource::Wait::Interrupted:
                if (m_stop) break;
                // The driver announces changes, but one that came between the
                // last query and the start of this wait was not announced to
                // it; a slow driver's counters tell whether that happened.
                if (m_cheap || countersMoved()) refresh();
                break;
            case ModemStatusSource::Wait::Unsupported:
            case ModemStatusSource::Wait::Failed:
                // Without change notices (or with a port that no longer
                // answers them) only asking again and again stays current.
                waiting = false;
                m_source.endWaiting();
                m_mode = Mode::Polling;
                refresh();
                break;
        }
    }
    if (waiting) m_source.endWaiting();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_finishedSignal.notify_all();
}

}  // namespace kvl
