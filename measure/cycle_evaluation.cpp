// Korvalin dial tester - the evaluation of a finished dialling cycle.
#include "measure/cycle_evaluation.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "measure/cycle_warnings.h"
#include "platform/catalogue.h"
#include "strip/draw_strip.h"

namespace kvl {

namespace {

constexpr float lowestEvaluableFrequency = 7.0f;
constexpr float highestEvaluableFrequency = 13.0f;
constexpr std::int32_t lowestEvaluablePercent = 10;
constexpr std::int32_t highestEvaluablePercent = 70;

// The frequency readout always uses a full stop, whatever locale the
// toolkit has switched the C library to, so printf-style formatting is out.
std::string oneDecimal(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

// Three roundings to float, as the readout and the history have always been
// computed: period in ms, period in s, frequency. Without a complete period
// there is no frequency; 0 then shows as such and draws the speed warning.
float frequencyOf(std::int32_t periodSumMs, int periods) {
    if (periods <= 0 || periodSumMs <= 0) return 0.0f;
    float frequency = static_cast<float>((periodSumMs + 0.0) / periods);
    frequency = static_cast<float>(frequency / 1000.0);
    return static_cast<float>(1.0 / frequency);
}

std::int32_t closedPercentOf(std::int32_t closedSum, std::int32_t openSum) {
    // closedSum x 100 leaves 32 bits for sums above 21 s; 64 bits cannot overflow
    // here, and the quotient is at most 100 again.
    const std::int64_t total = std::int64_t{closedSum} + openSum;
    if (total <= 0) return 0;
    return static_cast<std::int32_t>(std::int64_t{closedSum} * 100 / total);
}

}  // namespace

void evaluateCycle(Bench &bench) {
    PulseRecord &record = bench.record;
    Controls &controls = bench.platform.controls;
    const int count = record.nsiCount;
    // The sentinel goes to index count; the capture never lets count pass the last slot.
    if (count < 1 || count > nsiSlots - 1) return;

    record.cycleOrigin = record.nsiTimes[0];
    for (int i = 0; i < count; ++i)
        record.nsiTimes[i] = tickDiff(record.nsiTimes[i], record.cycleOrigin);
    record.cycleEvaluated = 1;
    record.nsiTimes[count] = TimeSentinel;

    // Complete periods run from one closing to the next: the opening at the
    // even index i and the closing at i + 1 must both lie inside the cycle. With
    // an odd count the last opening has no closing and belongs to no period.
    int periods = 0;
    for (int i = 2; i + 1 < count; i += 2) {
        record.openSum += record.nsiTimes[i + 1] - record.nsiTimes[i];
        record.closedSum += record.nsiTimes[i] - record.nsiTimes[i - 1];
        ++periods;
    }

    record.pulseFrequency = frequencyOf(record.openSum + record.closedSum, periods);
    controls.setText(ctl::frequencyReadout, oneDecimal(record.pulseFrequency));
    // The slider counts half-hertz steps; halves go to the even neighbour.
    controls.setState(ctl::frequencySlider,
                      static_cast<int>(std::lrint(double{record.pulseFrequency} * 2.0)));

    record.closedPercent = closedPercentOf(record.closedSum, record.openSum);
    controls.setText(ctl::ratioReadout, std::to_string(record.closedPercent));
    controls.setState(ctl::ratioSlider, record.closedPercent);

    drawStrip(bench);
    checkEvaluability(bench);

    record.openSum = 0;
    record.closedSum = 0;
}

void checkEvaluability(Bench &bench) {
    const PulseRecord &record = bench.record;
    Dialogs &dialogs = bench.platform.dialogs;
    // "not at least 7" rather than "below 7" so that a frequency that is no
    // number at all is warned about too.
    if (!(record.pulseFrequency >= lowestEvaluableFrequency) ||
        record.pulseFrequency > highestEvaluableFrequency) {
        dialogs.messageBox(warning::title, warning::speed);
        return;
    }
    if (record.closedPercent < lowestEvaluablePercent ||
        record.closedPercent > highestEvaluablePercent) {
        dialogs.messageBox(warning::title, warning::ratio);
        return;
    }
    if (record.nsiCount % 2 != 0) dialogs.messageBox(warning::title, warning::nsiLeftOpen);
}

}  // namespace kvl
