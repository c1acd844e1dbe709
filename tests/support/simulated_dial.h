// Korvalin dial tester tests - a rotary dial simulated as line levels over time.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/contact_lines.h"
#include "tests/support/fake_platform.h"

namespace kvl::test {

struct PulseTiming {
    double openMs = 62.0;
    double closedMs = 38.0;
};

// One wind-up and run-down of the dial.
struct DialCycle {
    int pulses = 10;  // ten pulses dial the digit 0
    PulseTiming timing;
    // Pulse number (from 1) -> its own timing, for a dial with one bad pulse.
    std::map<int, PulseTiming> pulseOverrides;
    // nsa closes this long before the first nsi opening (the wind-up) and
    // opens this long after the last nsi closing (back at rest).
    double nsaLeadMs = 300.0;
    double nsaTrailMs = 20.0;
    // nsr changes, in ms from the first nsi opening.
    std::vector<double> nsrChangesMs;
    // Quiet after the cycle (after nsa opened, or after the last nsi closing
    // when nsa is not wired) before the next wind-up begins.
    double restMs = 500.0;
};

// Contact bounce at every nsi edge: after the edge the contact falls back to
// its old level `flips` times, each time for flipMs, with flipMs of the new
// level in between.
struct Bounce {
    int flips = 0;
    double flipMs = 0.0;
};

struct DialDescription {
    std::vector<DialCycle> cycles;
    double startMs = 0.0;  // the first wind-up begins here
    bool nsaWired = true;
    bool nsrWired = true;
    int nsrRestLevel = 0;
    Bounce nsiBounce;
};

// The true moments of one cycle (without bounces), in dial time.
struct CycleMoments {
    double nsaClose = 0.0;
    double nsaOpen = 0.0;        // when nsa is wired
    std::vector<double> nsi;     // openings at even, closings at odd indices
    std::vector<double> nsr;     // absolute dial times
    double lastNsiChange = 0.0;  // nsi.back()
};

class SimulatedDial {
public:
    explicit SimulatedDial(const DialDescription &description);

    // Level of a line at dial time t (ms, fractions allowed): 1 closed, 0 open.
    int level(ModemLine line, double tMs) const;
    const std::vector<CycleMoments> &cycles() const { return m_cycles; }
    // Every change of the line including bounces, in order.
    const std::vector<double> &changes(ModemLine line) const;
    // The moment the last cycle's rest time is over.
    double endMs() const { return m_endMs; }

private:
    struct Line {
        int restLevel = 0;
        std::vector<double> changes;
    };
    const Line &line(ModemLine which) const;

    Line m_nsi;
    Line m_nsr;
    Line m_nsa;
    std::vector<CycleMoments> m_cycles;
    double m_endMs = 0.0;
};

// Makes lines.level follow the dial; nowMs tells the dial time of the present
// moment (a fake clock in the tests, a real one in the benchmark).
void attachDial(FakeLines &lines, const SimulatedDial &dial, std::function<double()> nowMs);

// Dial time 0 at startTick of the fake clock.
std::function<double()> fakeClockTime(const FakeClock &clock, std::int32_t startTick);

// Opens a port on the fake lines and drives RTS, as the start of a test does,
// then attaches the dial with dial time 0 at the fake clock's present tick.
void connectDial(FakePlatform &fake, const SimulatedDial &dial);

}  // namespace kvl::test
