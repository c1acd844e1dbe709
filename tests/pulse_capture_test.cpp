// Korvalin dial tester tests - the sampling loop against simulated dials on the fake clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "measure/cycle_warnings.h"
#include "measure/lamps.h"
#include "measure/pulse_capture.h"
#include "platform/catalogue.h"
#include "tests/support/capture_rig.h"

namespace kvl::test {
namespace {

DialDescription oneCycle(DialCycle cycle, bool nsaWired = true) {
    DialDescription d;
    d.cycles = {cycle};
    d.nsaWired = nsaWired;
    return d;
}

DialCycle pulses(int n, double openMs = 62, double closedMs = 38) {
    DialCycle c;
    c.pulses = n;
    c.timing = {openMs, closedMs};
    return c;
}

int maxOver(const std::vector<PassView> &passes, std::int32_t PulseRecord::*field) {
    int m = 0;
    for (const PassView &p : passes) m = std::max(m, static_cast<int>(p.record.*field));
    return m;
}

int totalRepaints(const FakeControls &controls) {
    int n = 0;
    for (const auto &c : controls.controls) n += c.second.repaints;
    return n;
}

int picturesSetOn(const FakeControls &controls, int view) {
    return static_cast<int>(std::count_if(controls.pictureLog.begin(), controls.pictureLog.end(),
                                          [view](const auto &e) { return e.first == view; }));
}

TEST(PulseCapture, IdealDigitZeroIsMeasuredToTheMillisecond) {
    CaptureRig rig;
    DialCycle c = pulses(10);
    c.nsrChangesMs = {-200, 700};
    EXPECT_EQ(rig.run(oneCycle(c)), ctl::testToggle);

    ASSERT_EQ(rig.evaluations.size(), 1u);
    const Evaluation &e = rig.evaluations[0];
    const CycleMoments &m = rig.dial().cycles()[0];
    ASSERT_EQ(e.record.nsiCount, 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(e.record.nsiTimes[i], static_cast<int>(m.nsi[i] - m.nsi[0])) << "index " << i;
    EXPECT_EQ(e.record.nsiTimes[0], 0);
    EXPECT_EQ(e.record.nsiTimes[20], TimeSentinel);
    EXPECT_EQ(e.record.cycleOrigin, rig.tickAt(m.nsi[0]));
    // Evaluated in the first pass with more than 100 ms of quiet on nsi.
    EXPECT_EQ(e.tick, rig.tickAt(m.lastNsiChange + 101));
    EXPECT_EQ(e.frequencyText, "10.0");
    EXPECT_EQ(e.frequencySlider, 20);
    EXPECT_EQ(e.ratioText, "38");
    EXPECT_EQ(e.ratioSlider, 38);
    EXPECT_TRUE(e.boxes.empty());
    EXPECT_TRUE(rig.fake.dialogs.boxes.empty());

    const PulseRecord &r = rig.fake.record;
    EXPECT_EQ(r.nsaCount, 2);
    EXPECT_EQ(r.nsaTimes[0], rig.tickAt(m.nsaClose));
    EXPECT_EQ(r.nsaTimes[1], rig.tickAt(m.nsaOpen));
    EXPECT_GT(tickDiff(r.nsaTimes[1], r.cycleOrigin), 0);
    EXPECT_EQ(r.nsaAbsent, 0);
    ASSERT_EQ(r.nsrCount, 2);
    EXPECT_EQ(r.nsrTimes[0], rig.tickAt(m.nsr[0]));
    EXPECT_EQ(r.nsrTimes[1], rig.tickAt(m.nsr[1]));
    EXPECT_EQ(r.openSum, 0);
    EXPECT_EQ(r.closedSum, 0);

    const FakeControls &ctl = rig.fake.controls;
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(ctl.picture(ctl::digitLamp(n)), pic::digitLampOn);
    EXPECT_EQ(ctl.picture(ctl::digitLamp(11)), pic::highDigitLampOff);
    EXPECT_EQ(ctl.picture(ctl::digitLamp(12)), pic::highDigitLampOff);
    EXPECT_EQ(ctl.picture(ctl::nsiLamp), pic::contactLampOn);
    EXPECT_EQ(ctl.picture(ctl::nsaLamp), pic::contactLampOff);
    EXPECT_EQ(ctl.state(ctl::testToggle), 0);
    // The loop must stay cheap: lamps change only when a line changes, and
    // nothing is repainted synchronously.
    EXPECT_EQ(picturesSetOn(ctl, ctl::nsiLamp), 20);
    EXPECT_EQ(picturesSetOn(ctl, ctl::nsaLamp), 2);
    EXPECT_EQ(picturesSetOn(ctl, ctl::nsrLamp), 2);
    EXPECT_EQ(totalRepaints(ctl), 0);
    // One pass per millisecond: every event wait is 1 ms.
    for (int limit : rig.fake.events.waitLimits) ASSERT_EQ(limit, 1);
}

struct ValueCase {
    const char *name;
    DialCycle cycle;
    const char *frequencyText;
    int frequencySlider;
    int closedPercent;
    const char *box;  // nullptr: no warning
};

DialCycle withOverrides(DialCycle c, std::map<int, PulseTiming> o) {
    c.pulseOverrides = std::move(o);
    return c;
}

class CycleValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CycleValues, ReadoutsSlidersAndWarningOfOneCycle) {
    const ValueCase &v = GetParam();
    CaptureRig rig;
    rig.run(oneCycle(v.cycle));
    ASSERT_EQ(rig.evaluations.size(), 1u);
    const Evaluation &e = rig.evaluations[0];
    EXPECT_EQ(e.record.nsiCount, 2 * v.cycle.pulses);
    EXPECT_EQ(e.frequencyText, v.frequencyText);
    EXPECT_EQ(e.frequencySlider, v.frequencySlider);
    EXPECT_EQ(e.record.closedPercent, v.closedPercent);
    EXPECT_EQ(e.ratioText, std::to_string(v.closedPercent));
    EXPECT_EQ(e.ratioSlider, v.closedPercent);
    if (v.box) {
        ASSERT_EQ(e.boxes.size(), 1u);
        EXPECT_EQ(e.boxes[0], v.box);
        EXPECT_EQ(rig.fake.dialogs.boxes[0].title, warning::title);
    } else {
        EXPECT_TRUE(e.boxes.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    PulseCapture, CycleValues,
    ::testing::Values(
        ValueCase{"ideal", pulses(10), "10.0", 20, 38, nullptr},
        ValueCase{"open65closed40", pulses(10, 65, 40), "9.5", 19, 38, nullptr},
        // A digit 2 has one period: the closing after pulse 1 and the opening of pulse 2.
        ValueCase{"digit2", withOverrides(pulses(2), {{1, {70, 30}}, {2, {50, 38}}}), "12.5", 25,
                  37, nullptr},
        // 800 ms over 7 periods is 8.75 Hz: 17.5 half-hertz steps go to 18.
        ValueCase{"halfStepUp", withOverrides(pulses(8, 70, 44), {{2, {71, 44}}, {3, {71, 44}}}),
                  "8.8", 18, 38, nullptr},
        // 160 ms is 6.25 Hz: 12.5 steps go to 12, and it is too slow.
        ValueCase{"halfStepDownTooSlow", withOverrides(pulses(2), {{1, {90, 70}}, {2, {90, 38}}}),
                  "6.2", 12, 43, warning::speed},
        ValueCase{"tooFastThoughItReads13",
                  withOverrides(pulses(10, 50, 26), {{2, {51, 26}},
                                                     {3, {51, 26}},
                                                     {4, {51, 26}},
                                                     {5, {51, 26}},
                                                     {6, {51, 26}},
                                                     {7, {51, 26}}}),
                  "13.0", 26, 33, warning::speed},
        ValueCase{"ratio9", pulses(10, 91, 9), "10.0", 20, 9, warning::ratio},
        ValueCase{"ratio71", pulses(10, 29, 71), "10.0", 20, 71, warning::ratio}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PulseCapture, DigitLampsFollowThePulseCount) {
    for (int n : {1, 3, 10, 11, 12, 13}) {
        SCOPED_TRACE("pulses " + std::to_string(n));
        CaptureRig rig;
        rig.run(oneCycle(pulses(n)));
        const FakeControls &ctl = rig.fake.controls;
        for (int lamp = 1; lamp <= 12; ++lamp) {
            const bool lit = lamp <= n;
            const int expected = lamp <= 10 ? (lit ? pic::digitLampOn : pic::digitLampOff)
                                            : (lit ? pic::highDigitLampOn : pic::highDigitLampOff);
            EXPECT_EQ(ctl.picture(ctl::digitLamp(lamp)), expected) << "lamp " << lamp;
        }
        for (const auto &entry : ctl.pictureLog) EXPECT_NE(entry.first, ctl::digitLamp(13));
    }
}

TEST(PulseCapture, DigitOneIsNeverEvaluated) {
    {
        SCOPED_TRACE("with nsa it waits for the next wind-up");
        CaptureRig rig;
        rig.run(oneCycle(pulses(1)), 2000);
        EXPECT_TRUE(rig.evaluations.empty());
        EXPECT_EQ(rig.fake.record.nsiCount, 2);
        EXPECT_EQ(rig.fake.controls.picture(ctl::digitLamp(1)), pic::digitLampOn);
    }
    {
        SCOPED_TRACE("without nsa it is dropped after more than 90 ms of quiet");
        CaptureRig rig;
        rig.run(oneCycle(pulses(1), false));
        EXPECT_TRUE(rig.evaluations.empty());
        const double last = rig.dial().cycles()[0].lastNsiChange;
        // A pass view carries the tick after its wait: the pass at last + 90
        // still keeps the cycle, the one at last + 91 drops it.
        ASSERT_NE(rig.passAt(rig.tickAt(last + 91)), nullptr);
        EXPECT_EQ(rig.passAt(rig.tickAt(last + 91))->record.nsiCount, 2);
        EXPECT_EQ(rig.passAt(rig.tickAt(last + 92))->record.nsiCount, 0);
        EXPECT_EQ(rig.fake.controls.picture(ctl::digitLamp(1)), pic::digitLampOff);
        EXPECT_EQ(rig.fake.record.nsaAbsent, 1);
    }
}

TEST(PulseCapture, WithoutNsaTheRecordEmptiesRightAfterAnEvaluation) {
    CaptureRig rig;
    rig.run(oneCycle(pulses(3), false));
    ASSERT_EQ(rig.evaluations.size(), 1u);
    const double last = rig.dial().cycles()[0].lastNsiChange;
    EXPECT_EQ(rig.passAt(rig.tickAt(last + 102))->record.cycleEvaluated, 1);
    EXPECT_EQ(rig.passAt(rig.tickAt(last + 102))->record.nsiCount, 6);
    EXPECT_EQ(rig.passAt(rig.tickAt(last + 103))->record.nsiCount, 0);
    EXPECT_EQ(rig.passAt(rig.tickAt(last + 103))->record.cycleEvaluated, 0);
    EXPECT_EQ(rig.fake.controls.picture(ctl::digitLamp(1)), pic::digitLampOff);
}

// Several digits in a row must each be measured on their own, wherever the
// tick counter stands: in its negative half and across its wrap too.
TEST(PulseCapture, SuccessiveDigitsAreEachEvaluatedAtAnyTick) {
    const std::int32_t starts[] = {100000, -2000000000, INT32_MAX - 700};
    for (bool nsa : {true, false}) {
        for (std::int32_t start : starts) {
            SCOPED_TRACE(std::string(nsa ? "nsa" : "no nsa") + ", start " + std::to_string(start));
            CaptureRig rig;
            DialDescription d;
            d.nsaWired = nsa;
            d.cycles = {pulses(3), pulses(5, 65, 40), pulses(10)};
            rig.run(d, 300, start);
            ASSERT_EQ(rig.evaluations.size(), 3u);
            for (std::size_t k = 0; k < 3; ++k) {
                const CycleMoments &m = rig.dial().cycles()[k];
                const PulseRecord &r = rig.evaluations[k].record;
                ASSERT_EQ(r.nsiCount, static_cast<int>(m.nsi.size()));
                EXPECT_EQ(r.cycleOrigin, rig.tickAt(m.nsi[0]));
                for (int i = 0; i < r.nsiCount; ++i)
                    EXPECT_EQ(r.nsiTimes[i], static_cast<int>(m.nsi[i] - m.nsi[0]));
                EXPECT_EQ(r.nsiTimes[r.nsiCount], TimeSentinel);
            }
            EXPECT_EQ(rig.evaluations[1].frequencyText, "9.5");
            EXPECT_EQ(rig.fake.record.nsaAbsent, nsa ? 0 : 1);
        }
    }
}

TEST(PulseCapture, TheThirdNsaChangeStartsANewCycle) {
    CaptureRig rig;
    DialDescription d;
    d.cycles = {pulses(4), pulses(2)};
    rig.run(d);
    ASSERT_EQ(rig.evaluations.size(), 2u);
    const CycleMoments &second = rig.dial().cycles()[1];
    const PulseRecord &r = rig.evaluations[1].record;
    EXPECT_EQ(r.nsiCount, 4);
    EXPECT_EQ(r.nsaTimes[0], rig.tickAt(second.nsaClose));
    EXPECT_EQ(r.nsaTimes[1], rig.tickAt(second.nsaOpen));
    EXPECT_LE(maxOver(rig.passes, &PulseRecord::nsaCount), 2);
    // The wind-up empties the record and puts the lamps out.
    const PassView *windUp = rig.passAt(rig.tickAt(second.nsaClose + 1));
    ASSERT_NE(windUp, nullptr);
    EXPECT_EQ(windUp->record.nsaCount, 1);
    EXPECT_EQ(windUp->record.nsiCount, 0);
    EXPECT_EQ(windUp->record.cycleEvaluated, 0);
    EXPECT_EQ(rig.fake.controls.picture(ctl::digitLamp(3)), pic::digitLampOff);
}

TEST(PulseCapture, LateNsaReturnIsNotYetInTheEvaluatedCycle) {
    CaptureRig rig;
    DialCycle c = pulses(10);
    c.nsaTrailMs = 150;
    rig.run(oneCycle(c));
    ASSERT_EQ(rig.evaluations.size(), 1u);
    EXPECT_EQ(rig.evaluations[0].record.nsaCount, 1);
    EXPECT_EQ(rig.fake.record.nsaCount, 2);
}

TEST(PulseCapture, NsaClosedAtSwitchOnIsTheFirstChange) {
    CaptureRig rig;
    DialCycle c = pulses(0);
    c.nsaLeadMs = 0;
    DialDescription d = oneCycle(c);
    d.startMs = 0;  // nsa closed from the very first read
    rig.switchOn(d);
    rig.stopAt(50);
    rig.runCaptureNow();
    ASSERT_FALSE(rig.passes.empty());
    const PulseRecord &first = rig.passes.front().record;
    EXPECT_EQ(first.nsaCount, 1);
    EXPECT_EQ(first.nsaTimes[0], rig.start);
    EXPECT_EQ(first.nsaAbsent, 0);
    const auto &log = rig.fake.controls.pictureLog;
    const auto firstNsa =
        std::find_if(log.begin(), log.end(), [](const auto &e) { return e.first == ctl::nsaLamp; });
    ASSERT_NE(firstNsa, log.end());
    EXPECT_EQ(firstNsa->second, pic::contactLampOn);
}

// nsi opens for spikeMs at dial time 10 while the dial rests.
struct SpikeCase {
    int bounceDelay;
    int spikeMs;
    int recordedChanges;
};

TEST(PulseCapture, NsiIsAcceptedOnlyWhenBothReadsAgree) {
    const SpikeCase cases[] = {{0, 1, 2}, {4, 3, 0}, {4, 4, 0}, {4, 10, 2}, {9, 9, 0}, {9, 25, 2}};
    for (const SpikeCase &c : cases) {
        SCOPED_TRACE("delay " + std::to_string(c.bounceDelay) + ", spike " +
                     std::to_string(c.spikeMs));
        CaptureRig rig;
        DialDescription idle;
        idle.nsaWired = false;
        rig.switchOn(idle);
        rig.fake.record.bounceDelay = c.bounceDelay;
        const std::int32_t start = rig.start;
        FakeClock &clock = rig.fake.clock;
        rig.fake.lines.level = [&clock, start, c](ModemLine line) {
            const int t = tickDiff(clock.now(), start);
            if (line != ModemLine::Dcd) return 0;
            return t >= 10 && t < 10 + c.spikeMs ? 0 : 1;
        };
        rig.stopAt(200);
        rig.runCaptureNow();
        EXPECT_EQ(maxOver(rig.passes, &PulseRecord::nsiCount), c.recordedChanges);
        EXPECT_EQ(rig.fake.record.nsiState, 1);
    }
}

TEST(PulseCapture, ABounceEndedBetweenTheTwoReadsIsNotRecorded) {
    CaptureRig rig;
    rig.switchOn(DialDescription{});
    int dcdReads = 0;
    // The first read of the third pass catches nsi open, the second read closed again.
    rig.fake.lines.level = [&dcdReads](ModemLine line) {
        if (line != ModemLine::Dcd) return 0;
        return ++dcdReads == 5 ? 0 : 1;
    };
    rig.stopAt(20);
    rig.runCaptureNow();
    EXPECT_GT(dcdReads, 5);
    EXPECT_EQ(maxOver(rig.passes, &PulseRecord::nsiCount), 0);
    EXPECT_EQ(picturesSetOn(rig.fake.controls, ctl::nsiLamp), 0);
}

TEST(PulseCapture, BounceCompensationWaitsBetweenTheTwoReads) {
    CaptureRig rig;
    DialDescription d = oneCycle(pulses(3));
    rig.switchOn(d);
    rig.fake.record.bounceDelay = 4;  // "EP5"
    std::vector<std::int32_t> readTicks;
    FakeClock &clock = rig.fake.clock;
    auto dialLevel = rig.fake.lines.level;
    rig.fake.lines.level = [&](ModemLine line) {
        if (line == ModemLine::Dcd) readTicks.push_back(clock.now());
        return dialLevel(line);
    };
    rig.stopAt(rig.dial().endMs());
    rig.runCaptureNow();
    ASSERT_GE(readTicks.size(), 2u);
    for (std::size_t i = 0; i + 1 < readTicks.size(); i += 2)
        ASSERT_EQ(tickDiff(readTicks[i + 1], readTicks[i]), 4);
    for (int ms : clock.sleeps) ASSERT_EQ(ms, 4);
    EXPECT_EQ(clock.sleeps.size(), readTicks.size() / 2);
    ASSERT_EQ(rig.evaluations.size(), 1u);
    // Each change carries the tick after the second read: no more than a pass late.
    const CycleMoments &m = rig.dial().cycles()[0];
    const PulseRecord &r = rig.evaluations[0].record;
    ASSERT_EQ(r.nsiCount, 6);
    for (int i = 0; i < 6; ++i) {
        const std::int32_t recorded = r.cycleOrigin + r.nsiTimes[i];
        EXPECT_GE(tickDiff(recorded, rig.tickAt(m.nsi[i])), 4);
        EXPECT_LE(tickDiff(recorded, rig.tickAt(m.nsi[i])), 4 + 5);
    }
}

TEST(PulseCapture, ABouncingDialNeedsCompensation) {
    struct Case {
        int bounceDelay;
        int nsiCount;
        const char *box;
    };
    for (const Case &c : {Case{4, 20, nullptr}, Case{0, 30, warning::tooManyPulses}}) {
        SCOPED_TRACE("delay " + std::to_string(c.bounceDelay));
        CaptureRig rig;
        DialDescription d = oneCycle(pulses(10));
        d.nsiBounce = {2, 1.0};
        rig.switchOn(d);
        rig.fake.record.bounceDelay = c.bounceDelay;
        rig.stopAt(rig.dial().endMs());
        rig.runCaptureNow();
        ASSERT_EQ(rig.evaluations.size(), 1u);
        EXPECT_EQ(rig.evaluations[0].record.nsiCount, c.nsiCount);
        // The bounces also spoil the measured speed; the cut is said last.
        const std::vector<std::string> &boxes = rig.evaluations[0].boxes;
        if (c.box) {
            ASSERT_FALSE(boxes.empty());
            EXPECT_EQ(boxes.back(), c.box);
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        EXPECT_EQ(rig.fake.record.nsiState, 1);
        EXPECT_EQ(rig.fake.controls.picture(ctl::nsiLamp), pic::contactLampOn);
    }
}

// More pulses and nsr changes than the record holds: the first ones are kept
// and evaluated, the cycle says that it was cut, the lines' states are never
// lost, and nothing beside the arrays is touched.
TEST(PulseCapture, OverlongCyclesStayInsideTheRecord) {
    for (int n : {16, 25}) {
        SCOPED_TRACE("pulses " + std::to_string(n));
        CaptureRig rig;
        DialCycle c = pulses(n);
        for (int k = 0; k < 31; ++k) c.nsrChangesMs.push_back(5.0 + 7.0 * k);
        DialDescription d = oneCycle(c);
        d.nsrRestLevel = 0;
        rig.switchOn(d);
        PulseRecord &live = rig.fake.record;
        for (int i = 2; i < nsaSlots; ++i) live.nsaTimes[i] = -7777;
        live.stripSlot = 3;
        rig.stopAt(rig.dial().endMs() + 300);
        rig.runCaptureNow();

        ASSERT_EQ(rig.evaluations.size(), 1u);
        const Evaluation &e = rig.evaluations[0];
        const CycleMoments &m = rig.dial().cycles()[0];
        ASSERT_EQ(e.record.nsiCount, 30);
        for (int i = 0; i < 30; ++i)
            EXPECT_EQ(e.record.nsiTimes[i], static_cast<int>(m.nsi[i] - m.nsi[0]));
        EXPECT_EQ(e.record.nsiTimes[30], TimeSentinel);
        // Not cut short: evaluated only once the dial has really stopped.
        EXPECT_EQ(e.tick, rig.tickAt(m.lastNsiChange + 101));
        EXPECT_EQ(e.frequencyText, "10.0");
        EXPECT_EQ(e.boxes, std::vector<std::string>{warning::tooManyPulses});
        EXPECT_EQ(rig.fake.dialogs.boxes.size(), 1u);

        EXPECT_EQ(live.nsiState, 1);
        EXPECT_EQ(live.nsrCount, nsrSlots);
        for (int i = 0; i < nsrSlots; ++i) EXPECT_EQ(live.nsrTimes[i], rig.tickAt(m.nsr[i]));
        EXPECT_EQ(live.nsrState, 1);
        EXPECT_EQ(rig.fake.controls.picture(ctl::nsrLamp), pic::contactLampOn);
        EXPECT_EQ(picturesSetOn(rig.fake.controls, ctl::nsrLamp), 31);
        EXPECT_EQ(picturesSetOn(rig.fake.controls, ctl::nsiLamp), 2 * n);
        EXPECT_EQ(live.nsaCount, 2);
        EXPECT_EQ(live.nsaTimes[1], rig.tickAt(m.nsaOpen));
        for (int i = 2; i < nsaSlots; ++i) EXPECT_EQ(live.nsaTimes[i], -7777);
        EXPECT_EQ(live.stripSlot, 4);  // the one evaluated cycle drew one strip
        EXPECT_LE(maxOver(rig.passes, &PulseRecord::nsiCount), 30);
        EXPECT_LE(maxOver(rig.passes, &PulseRecord::nsrCount), nsrSlots);
    }
}

// nsi hanging open at rest: its late closing must not begin the next cycle,
// or every time of that cycle would change meaning.
TEST(PulseCapture, ACycleAlwaysBeginsWithAnOpening) {
    CaptureRig rig;
    DialDescription d;
    d.nsaWired = false;
    // The third pulse stays open for 400 ms; the next digit runs 60 ms after it closed.
    DialCycle hanging = withOverrides(pulses(3), {{3, {400, 38}}});
    hanging.restMs = 60;
    DialCycle following = pulses(10);
    following.nsaLeadMs = 0;
    d.cycles = {hanging, following};
    rig.run(d);
    ASSERT_EQ(rig.evaluations.size(), 2u);
    EXPECT_EQ(rig.evaluations[0].record.nsiCount, 5);
    EXPECT_EQ(rig.evaluations[0].boxes, std::vector<std::string>{warning::nsiLeftOpen});
    const Evaluation &next = rig.evaluations[1];
    EXPECT_EQ(next.record.nsiCount, 20);
    EXPECT_EQ(next.frequencyText, "10.0");
    EXPECT_EQ(next.ratioText, "38");
}

struct EndCase {
    const char *name;
    std::vector<std::pair<int, WindowEvent>> events;  // dial ms, event
    int releaseToggleAtMs;                            // -1: never
    int expectedReturn;
    int expectedEndMs;
};

TEST(PulseCapture, EndsOnTheToggleOrAnotherControl) {
    using K = WindowEvent::Kind;
    const EndCase cases[] = {
        {"toggle released", {}, 40, ctl::testToggle, 40},
        {"toggle event", {{40, {K::Control, ctl::testToggle}}}, -1, ctl::testToggle, 40},
        {"other control",
         {{40, {K::Control, ctl::pulsePauseButton}}},
         -1,
         ctl::pulsePauseButton,
         40},
        {"control 0 goes on",
         {{20, {K::Control, 0}}, {40, {K::Control, ctl::testToggle}}},
         -1,
         ctl::testToggle,
         40},
        {"close is swallowed",
         {{20, {K::Close, 0}}, {40, {K::Control, ctl::testToggle}}},
         -1,
         ctl::testToggle,
         40},
        {"other events go on",
         {{20, {K::Other, 0}}, {40, {K::Control, ctl::runningTimeButton}}},
         -1,
         ctl::runningTimeButton,
         40},
    };
    for (const EndCase &c : cases) {
        SCOPED_TRACE(c.name);
        CaptureRig rig;
        rig.switchOn(DialDescription{});
        for (const auto &e : c.events) rig.fake.events.at(rig.tickAt(e.first), e.second);
        if (c.releaseToggleAtMs >= 0) {
            const std::int32_t when = rig.tickAt(c.releaseToggleAtMs);
            FakePlatform &fake = rig.fake;
            auto previous = fake.events.beforeDelivery;
            fake.events.beforeDelivery = [&fake, when, previous](const WindowEvent &e) {
                previous(e);
                if (fake.clock.now() == when) fake.controls.at(ctl::testToggle).state = 0;
            };
        }
        EXPECT_EQ(rig.runCaptureNow(), c.expectedReturn);
        EXPECT_EQ(rig.fake.clock.now(), rig.tickAt(c.expectedEndMs));
        EXPECT_EQ(rig.fake.controls.state(ctl::testToggle), 0);
    }
}

TEST(PulseCapture, EntryEmptiesTheCycleAndKeepsOldTimes) {
    CaptureRig rig;
    rig.switchOn(DialDescription{});
    PulseRecord &r = rig.fake.record;
    r.nsaAbsent = 0;
    r.nsaState = 1;
    r.cycleEvaluated = 1;
    r.nsaCount = 2;
    r.nsiCount = 20;
    r.nsrCount = 2;
    r.nsiTimes[5] = 555;
    r.pulseFrequency = 9.5f;
    r.closedPercent = 38;
    rig.stopAt(5);
    rig.runCaptureNow();
    const PulseRecord &first = rig.passes.front().record;
    EXPECT_EQ(first.nsaAbsent, 1);
    EXPECT_EQ(first.nsaState, 0);
    EXPECT_EQ(first.cycleEvaluated, 0);
    EXPECT_EQ(first.nsaCount + first.nsiCount + first.nsrCount, 0);
    EXPECT_EQ(first.nsiTimes[5], 555);
    EXPECT_EQ(first.pulseFrequency, 9.5f);
    EXPECT_EQ(first.closedPercent, 38);
    const FakeControls &ctl = rig.fake.controls;
    EXPECT_EQ(ctl.text(ctl::frequencyReadout), "0,0");
    EXPECT_EQ(ctl.state(ctl::frequencySlider), 0);
    EXPECT_EQ(ctl.text(ctl::ratioReadout), "0");
    EXPECT_EQ(ctl.state(ctl::ratioSlider), 0);
}

TEST(Lamps, ResetPutsOutTheHighLampsFirstThenOneToTen) {
    FakeControls controls;
    resetDigitLamps(controls);
    std::vector<std::pair<int, int>> expected = {{ctl::digitLamp(12), pic::highDigitLampOff},
                                                 {ctl::digitLamp(11), pic::highDigitLampOff}};
    for (int n = 1; n <= 10; ++n) expected.emplace_back(ctl::digitLamp(n), pic::digitLampOff);
    EXPECT_EQ(controls.pictureLog, expected);
}

}  // namespace
}  // namespace kvl::test
