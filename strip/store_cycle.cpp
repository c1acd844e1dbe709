// Korvalin dial tester - storing a cycle in the cycle history.
#include "strip/store_cycle.h"

#include <chrono>

#include "platform/catalogue.h"
#include "strip/strip_geometry.h"

namespace kvl {
namespace {

constexpr int acceptedBeepHz = 500;
// Clearly longer than the 200 ms tone of a single strip, so the user can tell
// "ten good cycles, evaluation ready" from an ordinary cycle without looking.
constexpr std::chrono::milliseconds acceptedBeepDuration{400};

void enableEvaluation(Controls &controls, bool enabled) {
    for (int id : {ctl::tenCycleLabel, ctl::runningTimeButton, ctl::pulsePauseButton,
                   ctl::leaveEvaluationButton})
        controls.setEnabled(id, enabled);
}

}  // namespace

void storeCycle(Bench &bench) {
    const PulseRecord &r = bench.record;
    CycleHistory &h = bench.history;
    Controls &controls = bench.platform.controls;
    const int n = r.stripSlot;
    if (n < 1 || n > strip::slots) return;

    if (n == 1 || !h.cycleCounts) {
        // A set also begins anew when its first strip could not be drawn right
        // after an accepted set: the counts were released then, and the slots
        // are about to be overwritten, so the charts of the old set must not
        // stay on offer over a mixture of two sets.
        enableEvaluation(controls, false);
        h.cycleCounts.emplace();
        h.cycleCounts->fill(0);
        h.setCount = 0;
    }
    auto &counts = *h.cycleCounts;
    auto &times = h.cycleTimes[n];

    times = r.nsiTimes;
    for (int k = 0; k < nsiSlots; ++k) {
        if (times[k] == TimeSentinel) {
            counts[n] = k;
            break;
        }
    }
    times[counts[n]] = tickDiff(r.nsaTimes[1], r.cycleOrigin);

    if (n != strip::slots) return;
    for (int k = 1; k <= strip::slots; ++k) h.setCount += counts[k];
    if (h.setCount != strip::slots * counts[1]) return;

    h.setCount = counts[1];
    h.cycleCounts.reset();
    enableEvaluation(controls, true);
    bench.platform.sound.beep(acceptedBeepHz, static_cast<int>(acceptedBeepDuration.count()));
}

}  // namespace kvl
