// Korvalin dial tester - the modem-status queries the line monitor needs of a port.
#pragma once

#include <chrono>

namespace kvl {

// Per-line transition counters, as the driver counts them.
struct ModemCounters {
    int cts = 0;
    int dsr = 0;
    int rng = 0;
    int dcd = 0;

    bool operator==(const ModemCounters &o) const {
        return cts == o.cts && dsr == o.dsr && rng == o.rng && dcd == o.dcd;
    }
    bool operator!=(const ModemCounters &o) const { return !(*this == o); }
};

// One open port's modem status as seen from the monitor thread. The real
// one talks to a tty's driver; tests script one.
class ModemStatusSource {
public:
    enum class Wait {
        Changed,      // one of DCD, DSR, RI changed
        Interrupted,  // the wake-up tick or a stop request ended the wait
        Unsupported,  // the driver cannot wait for changes: poll instead
        Failed,       // the port stopped answering (e.g. adapter unplugged)
    };

    virtual ~ModemStatusSource() = default;

    // The TIOCM_* bits now; false when they cannot be read.
    virtual bool readStatus(int &bits) = 0;
    // false when the driver keeps no counters or they cannot be read.
    virtual bool readCounters(ModemCounters &counters) = 0;
    // Blocks until DCD, DSR or RI changes, the wake-up tick fires or
    // interrupt() is called.
    virtual Wait waitForChange() = 0;

    // Called on the monitor thread before its first and after its last
    // wait. A tick > 0 makes waitForChange return Interrupted at least that
    // often, so that the monitor can look again even if the driver's own
    // notice of a change never comes.
    virtual void beginWaiting(std::chrono::microseconds tick) = 0;
    virtual void endWaiting() = 0;

    // From any thread: ends the monitor thread's present wait or sleep
    // soon. May be called again if the first call came too early to count.
    virtual void interrupt() = 0;
    // Sleeps on the monitor thread between two polls; interrupt() may end
    // it early.
    virtual void pause(std::chrono::microseconds duration) = 0;
};

}  // namespace kvl
