// Korvalin dial tester tests - the ideal-dial demonstration.
#include <gtest/gtest.h>

#include <vector>

#include "measure/ideal_dial.h"
#include "platform/catalogue.h"
#include "tests/support/fake_platform.h"

namespace kvl::test {
namespace {

// Notes what the record said each time a strip view was painted at once.
class RepaintWatch : public FakeControls {
public:
    explicit RepaintWatch(const PulseRecord &record) : m_record(record) {}
    void repaintNow(int id) override {
        FakeControls::repaintNow(id);
        painted.push_back({id, m_record.stripSlot, m_record.demoMode});
    }
    struct Paint {
        int view;
        int slotThen;
        int demoModeThen;
    };
    std::vector<Paint> painted;

private:
    const PulseRecord &m_record;
};

struct DemoBench {
    FakePlatform fake;
    RepaintWatch controls{fake.record};
    Platform platform{controls,   fake.pictures, fake.events, fake.dialogs,
                      fake.sound, fake.lines,    fake.clock,  fake.system};
    Bench bench{platform, fake.record, fake.history, "", "/home/user/dials/"};
};

TEST(IdealDial, WritesAPerfectDigitZeroAndShowsItTenTimes) {
    DemoBench demo;
    PulseRecord &r = demo.fake.record;
    for (int i = 21; i < nsiSlots; ++i) r.nsiTimes[i] = 1234 + i;
    r.nsaCount = 1;
    r.cycleEvaluated = 0;
    r.nsiState = 0;
    r.pulseFrequency = 7.5f;
    r.closedPercent = 44;
    r.cycleOrigin = 99999;
    r.nsaAbsent = 1;
    demo.controls.at(ctl::digitLamp(11)).picture = pic::highDigitLampOn;
    demo.controls.at(ctl::digitLamp(12)).picture = pic::highDigitLampOff;

    showIdealDial(demo.bench);

    const std::vector<std::int32_t> nsi = {0,   62,  100, 162, 200, 262, 300,
                                           362, 400, 462, 500, 562, 600, 662,
                                           700, 762, 800, 862, 900, 962, TimeSentinel};
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(r.nsiTimes[i], nsi[i]) << "index " << i;
    for (int i = 21; i < nsiSlots; ++i) EXPECT_EQ(r.nsiTimes[i], 1234 + i);
    EXPECT_EQ(r.nsiCount, 20);
    EXPECT_EQ(r.cycleOrigin, 0);
    EXPECT_EQ(r.nsaTimes[0], 0);
    EXPECT_EQ(r.nsaTimes[1], 980);
    EXPECT_EQ(r.nsrTimes[0], 0);
    EXPECT_EQ(r.nsrTimes[1], 980);
    EXPECT_EQ(r.nsrCount, 2);
    EXPECT_EQ(r.nsaAbsent, 0);
    EXPECT_EQ(r.demoMode, 0);
    // What the demonstration does not own stays as it was.
    EXPECT_EQ(r.nsaCount, 1);
    EXPECT_EQ(r.cycleEvaluated, 0);
    EXPECT_EQ(r.nsiState, 0);
    EXPECT_EQ(r.pulseFrequency, 7.5f);
    EXPECT_EQ(r.closedPercent, 44);

    const RepaintWatch &c = demo.controls;
    EXPECT_EQ(c.text(ctl::frequencyReadout), "10,0");
    EXPECT_EQ(c.state(ctl::frequencySlider), 20);
    EXPECT_EQ(c.text(ctl::ratioReadout), "38");
    EXPECT_EQ(c.state(ctl::ratioSlider), 38);
    for (int n = 1; n <= 10; ++n) EXPECT_EQ(c.picture(ctl::digitLamp(n)), pic::digitLampOn);
    EXPECT_EQ(c.picture(ctl::digitLamp(11)), pic::highDigitLampOn);
    EXPECT_EQ(c.picture(ctl::digitLamp(12)), pic::highDigitLampOff);
    EXPECT_EQ(c.picture(ctl::nsiLamp), pic::contactLampOn);
    EXPECT_EQ(c.picture(ctl::nsrLamp), pic::contactLampOn);
    EXPECT_EQ(c.picture(ctl::nsaLamp), pic::contactLampOff);
    // The ten equal strips form a set that the cycle history accepts, so the
    // evaluation row disabled at the start is offered again afterwards.
    EXPECT_TRUE(c.isEnabled(ctl::runningTimeButton));
    EXPECT_TRUE(c.isEnabled(ctl::leaveEvaluationButton));
    EXPECT_TRUE(c.isEnabled(ctl::tenCycleLabel));

    // Each strip is painted at once, in the view of the slot just drawn,
    // while the strips are marked as an example.
    ASSERT_EQ(c.painted.size(), 10u);
    for (const auto &p : c.painted) {
        EXPECT_EQ(p.view, ctl::stripView(p.slotThen));
        EXPECT_EQ(p.demoModeThen, 1);
    }
}

}  // namespace
}  // namespace kvl::test
