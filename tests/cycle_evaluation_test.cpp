// Korvalin dial tester tests - the evaluation of a finished cycle and its warnings.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "measure/cycle_evaluation.h"
#include "measure/cycle_warnings.h"
#include "platform/catalogue.h"
#include "tests/support/fake_platform.h"

namespace kvl::test {
namespace {

constexpr std::int32_t untouched = -4242;
// The user reads these exact words; they are spelt out here on purpose.
constexpr const char *speedText =
    "Die NS-Ablaufgeschwindigkeit liegt außerhalb der Auswertbarkeit !";
constexpr const char *ratioText =
    "Das Impuls/Pausenverhältnis nsi liegt außerhalb der Auswertbarkeit !";

// A record holding absolute ticks as the capture leaves them, every slot
// behind them marked so that a read or write past the cycle shows.
void fillCycle(PulseRecord &r, std::int32_t origin, const std::vector<std::int32_t> &relative) {
    r.nsiTimes.fill(untouched);
    for (std::size_t i = 0; i < relative.size(); ++i)
        r.nsiTimes[i] = static_cast<std::int32_t>(static_cast<std::uint32_t>(origin) +
                                                  static_cast<std::uint32_t>(relative[i]));
    r.nsiCount = static_cast<std::int32_t>(relative.size());
}

std::vector<std::int32_t> idealTimes(int pulses) {
    std::vector<std::int32_t> t;
    for (int k = 0; k < pulses; ++k) {
        t.push_back(100 * k);
        t.push_back(100 * k + 62);
    }
    return t;
}

TEST(CycleEvaluation, IdealDigitZeroBecomesRelativeWithItsSentinel) {
    FakePlatform fake;
    PulseRecord &r = fake.record;
    fillCycle(r, INT32_MAX - 300, idealTimes(10));  // the counter wraps inside the cycle
    evaluateCycle(fake.bench);
    EXPECT_EQ(r.cycleOrigin, INT32_MAX - 300);
    EXPECT_EQ(r.cycleEvaluated, 1);
    const auto ideal = idealTimes(10);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(r.nsiTimes[i], ideal[i]);
    EXPECT_EQ(r.nsiTimes[20], TimeSentinel);
    for (int i = 21; i < nsiSlots; ++i) EXPECT_EQ(r.nsiTimes[i], untouched);
    EXPECT_EQ(r.pulseFrequency, 10.0f);
    EXPECT_EQ(r.closedPercent, 38);
    EXPECT_EQ(r.openSum, 0);
    EXPECT_EQ(r.closedSum, 0);
    EXPECT_EQ(fake.controls.text(ctl::frequencyReadout), "10.0");
    EXPECT_EQ(fake.controls.state(ctl::frequencySlider), 20);
    EXPECT_EQ(fake.controls.text(ctl::ratioReadout), "38");
    EXPECT_EQ(fake.controls.state(ctl::ratioSlider), 38);
    EXPECT_TRUE(fake.dialogs.boxes.empty());
}

// The sums are those of the complete periods only, and the sums must be in
// place while the values are computed (they are zero again afterwards).
TEST(CycleEvaluation, UsesOnlyTheCompletePeriods) {
    FakePlatform fake;
    // First pulse open for 500 ms: it belongs to no period and must not count.
    fillCycle(fake.record, 5000, {0, 500, 530, 580});
    evaluateCycle(fake.bench);
    // One period: closed 30 + open 50 = 80 ms.
    EXPECT_EQ(fake.record.pulseFrequency, 12.5f);
    EXPECT_EQ(fake.record.closedPercent, 37);  // 37.5 truncated
    EXPECT_EQ(fake.controls.text(ctl::frequencyReadout), "12.5");
    EXPECT_EQ(fake.controls.state(ctl::frequencySlider), 25);
}

// What no complete pulse or no time at all gives: no division by zero, no
// read past the cycle, and values that cannot pass for a good measurement.
TEST(CycleEvaluation, CyclesWithoutAMeasurablePeriod) {
    struct Case {
        const char *name;
        std::vector<std::int32_t> times;
        float frequency;
        int percent;
        std::vector<std::string> boxes;
    };
    auto ideal21 = idealTimes(10);
    ideal21.push_back(1000);  // the eleventh opening never closes
    const Case cases[] = {
        {"three changes, no period", {0, 62, 100}, 0.0f, 0, {warning::speed}},
        {"zero-length periods", {0, 0, 0, 0, 0, 0}, 0.0f, 0, {warning::speed}},
        {"odd count keeps its complete periods", ideal21, 10.0f, 38, {warning::nsiLeftOpen}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        fillCycle(fake.record, 777, c.times);
        evaluateCycle(fake.bench);
        const int n = static_cast<int>(c.times.size());
        EXPECT_EQ(fake.record.pulseFrequency, c.frequency);
        EXPECT_EQ(fake.record.closedPercent, c.percent);
        EXPECT_EQ(fake.record.nsiTimes[n], TimeSentinel);
        for (int i = n + 1; i < nsiSlots; ++i) EXPECT_EQ(fake.record.nsiTimes[i], untouched);
        std::vector<std::string> shown;
        for (const auto &b : fake.dialogs.boxes) shown.push_back(b.text);
        EXPECT_EQ(shown, c.boxes);
        EXPECT_EQ(fake.record.openSum, 0);
        EXPECT_EQ(fake.record.closedSum, 0);
    }
}

TEST(CycleEvaluation, AFullRecordKeepsTheSentinelInside) {
    FakePlatform fake;
    fillCycle(fake.record, 100, idealTimes(15));
    evaluateCycle(fake.bench);
    EXPECT_EQ(fake.record.nsiCount, 30);
    EXPECT_EQ(fake.record.nsiTimes[30], TimeSentinel);
    EXPECT_EQ(fake.record.pulseFrequency, 10.0f);
}

TEST(CycleEvaluation, ReadoutKeepsAFullStopInAGermanLocale) {
    // The toolkit switches the C library to the user's locale on start.
    const char *chosen = std::setlocale(LC_ALL, "de_DE.UTF-8");
    FakePlatform fake;
    fillCycle(fake.record, 0, {0, 65, 105, 170, 210, 275});
    evaluateCycle(fake.bench);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(fake.controls.text(ctl::frequencyReadout), "9.5");
    if (!chosen) GTEST_SKIP() << "no German locale installed; checked in the C locale only";
}

struct WarningCase {
    float frequency;
    int percent;
    int nsiCount;
    const char *box;  // nullptr: none
};

TEST(CycleEvaluation, WarnsOnlyOutsideTheEvaluableRange) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const WarningCase cases[] = {
        {6.9f, 38, 20, speedText},
        {7.0f, 38, 20, nullptr},
        {13.0f, 38, 20, nullptr},
        {13.1f, 38, 20, speedText},
        {10.0f, 9, 20, ratioText},
        {10.0f, 10, 20, nullptr},
        {10.0f, 70, 20, nullptr},
        {10.0f, 71, 20, ratioText},
        {6.9f, 9, 20, speedText},
        {nan, 38, 20, speedText},
        {10.0f, 38, 21, warning::nsiLeftOpen},
        {13.1f, 38, 21, speedText},
        {10.0f, 71, 21, ratioText},
    };
    for (const WarningCase &c : cases) {
        SCOPED_TRACE(std::to_string(c.frequency) + " Hz, " + std::to_string(c.percent) +
                     " %, count " + std::to_string(c.nsiCount));
        FakePlatform fake;
        fake.record.pulseFrequency = c.frequency;
        fake.record.closedPercent = c.percent;
        fake.record.nsiCount = c.nsiCount;
        checkEvaluability(fake.bench);
        if (!c.box) {
            EXPECT_TRUE(fake.dialogs.boxes.empty());
            continue;
        }
        ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
        EXPECT_EQ(fake.dialogs.boxes[0].title, "-WARNUNG- Fehlerhafter Nummernschalter !");
        EXPECT_EQ(fake.dialogs.boxes[0].text, c.box);
    }
}

}  // namespace
}  // namespace kvl::test
