// Korvalin dial tester - the sampling loop of a running test.
#include "measure/pulse_capture.h"

#include <chrono>
#include <cstdint>

#include "measure/cycle_evaluation.h"
#include "measure/cycle_warnings.h"
#include "measure/lamps.h"
#include "platform/catalogue.h"

namespace kvl {

namespace {

// Without nsa nothing marks the start of a cycle: a short stray flick of nsi
// (or a digit 1, which has no complete period) is dropped once nsi has rested
// a little less than the cycle end needs, so it cannot join the next digit.
constexpr std::chrono::milliseconds resetQuietWithoutNsa{90};
// A pulse period of an evaluable dial is at most 1/7 s and no interval of it
// lasts as long as 100 ms of quiet on nsi; that quiet ends the cycle.
constexpr std::chrono::milliseconds cycleEndQuiet{100};
// One pass per millisecond: the wait for window events is the pass's pace.
constexpr std::chrono::milliseconds longestEventWait{1};

constexpr int fewestKeptWithoutNsa = 4;
constexpr int fewestEvaluated = 3;
constexpr int nsaChangesPerCycle = 2;
// The last nsi slot is kept for the sentinel the evaluation writes at nsiCount.
constexpr int nsiStorable = nsiSlots - 1;

int contactLampPicture(int level) {
    return level ? pic::contactLampOn : pic::contactLampOff;
}

// Lamp k lights when pulse k closes, that is at an even count 2k; lamps 11 and
// 12 have their own picture, and a 13th pulse or more has no lamp.
void lightDigitLamp(Controls &controls, int nsiCount) {
    if (nsiCount < 2 || nsiCount % 2 != 0) return;
    const int lamp = nsiCount / 2;
    if (lamp <= 10)
        controls.setPicture(ctl::digitLamp(lamp), pic::digitLampOn);
    else if (lamp <= 12)
        controls.setPicture(ctl::digitLamp(lamp), pic::highDigitLampOn);
}

bool quietLongerThan(std::int32_t now, std::int32_t since, std::chrono::milliseconds quiet) {
    return tickDiff(now, since) > quiet.count();
}

// What the loop needs beyond the record: the absolute tick of the last nsi
// change, because after an evaluation the record holds relative times, and
// the change after the 15th pulse is not stored at all; and whether the
// running cycle lost pulses because the record was full.
struct CaptureState {
    std::int32_t lastNsiChange = 0;
    bool pulsesCut = false;
};

void emptyCycle(Bench &bench, CaptureState &state) {
    PulseRecord &record = bench.record;
    record.nsiCount = 0;
    record.nsrCount = 0;
    record.cycleEvaluated = 0;
    state.pulsesCut = false;
    resetDigitLamps(bench.platform.controls);
}

void resetWithoutNsa(Bench &bench, CaptureState &state) {
    const PulseRecord &record = bench.record;
    if (record.nsaCount != 0 || record.nsiCount < 1) return;
    if (!quietLongerThan(bench.platform.clock.tick(), state.lastNsiChange, resetQuietWithoutNsa))
        return;
    if (record.nsiCount < fewestKeptWithoutNsa || record.cycleEvaluated == 1)
        emptyCycle(bench, state);
}

void sampleNsa(Bench &bench, CaptureState &state) {
    PulseRecord &record = bench.record;
    const int level = bench.platform.lines.readLine(ModemLine::Ri);
    if (level == record.nsaState) return;
    if (record.nsaCount == nsaChangesPerCycle) {
        record.nsaCount = 0;
        emptyCycle(bench, state);
    }
    record.nsaTimes[record.nsaCount] = bench.platform.clock.tick();
    bench.platform.controls.setPicture(ctl::nsaLamp, contactLampPicture(level));
    record.nsaState = level;
    record.nsaCount++;
    record.nsaAbsent = 0;
}

// nsr is read without debouncing, so a bouncing contact can give more changes
// than the cycle has slots: those are not stored, but the state and the lamp
// keep following the line. The readers use only the first two changes.
void sampleNsr(Bench &bench) {
    PulseRecord &record = bench.record;
    const int level = bench.platform.lines.readLine(ModemLine::Dsr);
    if (level == record.nsrState) return;
    if (record.nsrCount < nsrSlots) {
        record.nsrTimes[record.nsrCount] = bench.platform.clock.tick();
        record.nsrCount++;
    }
    bench.platform.controls.setPicture(ctl::nsrLamp, contactLampPicture(level));
    record.nsrState = level;
}

void sampleNsi(Bench &bench, CaptureState &state) {
    PulseRecord &record = bench.record;
    Platform &platform = bench.platform;
    const int first = platform.lines.readLine(ModemLine::Dcd);
    platform.clock.sleepMs(record.bounceDelay);
    const int second = platform.lines.readLine(ModemLine::Dcd);
    if (second != first || second == record.nsiState) return;

    const std::int32_t now = platform.clock.tick();
    record.nsiState = second;
    platform.controls.setPicture(ctl::nsiLamp, contactLampPicture(second));
    state.lastNsiChange = now;

    // Every cycle starts with an opening, so that even indices are openings. A
    // closing with nothing recorded is the end of a contact that hung open; if
    // it were stored, the whole next cycle would swap open and closed times.
    if (record.nsiCount == 0 && second == 1) return;
    if (record.nsiCount >= nsiStorable) {
        // Changes appended after an evaluation are never used; a cycle that is
        // still collecting has lost pulses and must say so when it ends.
        if (record.cycleEvaluated == 0) state.pulsesCut = true;
        return;
    }
    record.nsiTimes[record.nsiCount] = now;
    record.nsiCount++;
    lightDigitLamp(platform.controls, record.nsiCount);
}

void endCycleIfQuiet(Bench &bench, CaptureState &state) {
    const PulseRecord &record = bench.record;
    if (record.nsiCount < fewestEvaluated || record.cycleEvaluated != 0) return;
    if (!quietLongerThan(bench.platform.clock.tick(), state.lastNsiChange, cycleEndQuiet)) return;
    evaluateCycle(bench);
    if (state.pulsesCut) {
        bench.platform.dialogs.messageBox(warning::title, warning::tooManyPulses);
        state.pulsesCut = false;
    }
}

}  // namespace

int runCapture(Bench &bench) {
    PulseRecord &record = bench.record;
    Controls &controls = bench.platform.controls;

    record.nsaAbsent = 1;
    record.nsaState = 0;
    record.cycleEvaluated = 0;
    record.nsaCount = 0;
    record.nsiCount = 0;
    record.nsrCount = 0;
    resetDigitLamps(controls);
    controls.setText(ctl::frequencyReadout, "0,0");
    controls.setState(ctl::frequencySlider, 0);
    controls.setText(ctl::ratioReadout, "0");
    controls.setState(ctl::ratioSlider, 0);

    CaptureState state;
    for (;;) {
        resetWithoutNsa(bench, state);
        sampleNsa(bench, state);
        sampleNsr(bench);
        sampleNsi(bench, state);
        endCycleIfQuiet(bench, state);

        const WindowEvent event =
            bench.platform.events.waitEvent(static_cast<int>(longestEventWait.count()));
        // A close request while the test runs is swallowed: the test goes on.
        const bool otherControl =
            event.kind == WindowEvent::Kind::Control && event.control != ctl::window;
        if (otherControl || controls.state(ctl::testToggle) == 0) {
            controls.setState(ctl::testToggle, 0);
            return otherControl ? event.control : ctl::testToggle;
        }
    }
}

}  // namespace kvl
