// Korvalin dial tester - the ideal-dial demonstration.
#include "measure/ideal_dial.h"

#include "platform/catalogue.h"
#include "strip/draw_strip.h"

namespace kvl {

namespace {

// A perfect digit 0: ten pulses opening every 100 ms, each open for 62 ms and
// closed for 38 ms (10 Hz, 38 % closed); nsa and nsr return at 980 ms.
constexpr int idealPulses = 10;
constexpr int idealPeriodMs = 100;
constexpr int idealOpenMs = 62;
constexpr std::int32_t idealRestMs = 980;
constexpr int demoStrips = 10;
// What the readouts show for it: the slider counts half-hertz steps.
constexpr int idealFrequencySlider = 2 * 1000 / idealPeriodMs;
constexpr int idealClosedPercent = (idealPeriodMs - idealOpenMs) * 100 / idealPeriodMs;

void writeIdealCycle(PulseRecord &record) {
    const int count = 2 * idealPulses;
    record.nsiTimes[0] = 0;
    record.nsiTimes[1] = idealOpenMs;
    for (int i = 2; i < count; i += 2) {
        record.nsiTimes[i] = idealPeriodMs / 2 * i;
        record.nsiTimes[i + 1] = record.nsiTimes[i] + idealOpenMs;
    }
    record.nsiTimes[count] = TimeSentinel;
    record.nsrCount = 2;
    record.nsrTimes[0] = 0;
    record.nsrTimes[1] = idealRestMs;
    record.nsaTimes[0] = 0;
    record.nsaTimes[1] = idealRestMs;
    record.nsaAbsent = 0;
    record.nsiCount = count;
}

}  // namespace

void showIdealDial(Bench &bench) {
    PulseRecord &record = bench.record;
    Controls &controls = bench.platform.controls;

    controls.setEnabled(ctl::runningTimeButton, false);
    controls.setEnabled(ctl::leaveEvaluationButton, false);
    controls.setEnabled(ctl::tenCycleLabel, false);
    record.demoMode = 1;
    record.cycleOrigin = 0;

    for (int n = 1; n <= 10; ++n) controls.setPicture(ctl::digitLamp(n), pic::digitLampOn);
    controls.setPicture(ctl::nsiLamp, pic::contactLampOn);
    controls.setPicture(ctl::nsrLamp, pic::contactLampOn);
    controls.setPicture(ctl::nsaLamp, pic::contactLampOff);
    controls.setText(ctl::frequencyReadout, "10,0");
    controls.setState(ctl::frequencySlider, idealFrequencySlider);
    controls.setText(ctl::ratioReadout, "38");
    controls.setState(ctl::ratioSlider, idealClosedPercent);

    writeIdealCycle(record);

    // No window events are taken between the strips, so each one is painted
    // at once or the user would only ever see the last.
    for (int strip = 0; strip < demoStrips; ++strip) {
        drawStrip(bench);
        controls.repaintNow(ctl::stripView(record.stripSlot));
    }
    record.demoMode = 0;
}

}  // namespace kvl
