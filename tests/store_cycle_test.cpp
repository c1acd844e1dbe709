// Korvalin dial tester tests - the cycle history: which sets of ten cycles are
// accepted for the ten-cycle evaluation, and what each slot keeps.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/catalogue.h"
#include "strip/draw_strip.h"
#include "strip/store_cycle.h"
#include "tests/support/fake_platform.h"
#include "tests/support/strip_cycles.h"

namespace kvl {
namespace {

const std::vector<int> evaluationControls{ctl::tenCycleLabel, ctl::runningTimeButton,
                                          ctl::pulsePauseButton, ctl::leaveEvaluationButton};

// Cycle n of a set: `count` transitions 40 ms apart, remains of an older,
// longer cycle behind the sentinel, and an origin close to the counter's wrap
// so that the nsa end time needs wrap-safe arithmetic.
void storeNumbered(test::FakePlatform &fp, int slot, int count) {
    PulseRecord &r = fp.record;
    for (int i = 0; i < nsiSlots; ++i) r.nsiTimes[i] = 7000 + 100 * slot + i;
    std::vector<std::int32_t> t;
    for (int i = 0; i < count; ++i) t.push_back(40 * i + slot);
    test::fillMeasuredCycle(r, t, INT_MAX - 500, 900 + slot);
    r.stripSlot = slot;
    storeCycle(fp.bench);
}

void storeSet(test::FakePlatform &fp, const std::vector<int> &counts) {
    for (int n = 1; n <= 10; ++n) storeNumbered(fp, n, counts[n - 1]);
}

bool allEnabled(const test::FakeControls &c, bool enabled) {
    for (int id : evaluationControls)
        if (c.isEnabled(id) != enabled) return false;
    return true;
}

TEST(CycleHistory, SetsOfTenAreAcceptedByTheSumRule) {
    struct Case {
        const char *name;
        std::vector<int> counts;
        bool accepted;
        int setCount;
    };
    const std::vector<Case> cases{
        {"ten fives", {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, true, 10},
        {"a four among fives", {10, 10, 10, 8, 10, 10, 10, 10, 10, 10}, false, 98},
        {"unequal counts with a matching sum", {6, 5, 7, 6, 6, 6, 6, 6, 6, 6}, true, 6},
        {"a longer first cycle", {12, 10, 10, 10, 10, 10, 10, 10, 10, 10}, false, 102},
    };
    for (const Case &c : cases) {
        test::FakePlatform fp;
        for (int id : evaluationControls) fp.controls.setEnabled(id, true);
        storeSet(fp, c.counts);
        const CycleHistory &h = fp.history;
        EXPECT_EQ(h.setCount, c.setCount) << c.name;
        EXPECT_TRUE(allEnabled(fp.controls, c.accepted)) << c.name;
        EXPECT_EQ(fp.sound.beeps, (c.accepted ? std::vector<std::pair<int, int>>{{500, 400}}
                                              : std::vector<std::pair<int, int>>{}))
            << c.name;
        EXPECT_EQ(h.cycleCounts.has_value(), !c.accepted) << c.name;
        if (!c.accepted)
            for (int n = 1; n <= 10; ++n) EXPECT_EQ((*h.cycleCounts)[n], c.counts[n - 1]);
        for (int n = 1; n <= 10; ++n) {
            const int count = c.counts[n - 1];
            const auto &slot = h.cycleTimes[n];
            for (int i = 0; i < count; ++i) ASSERT_EQ(slot[i], 40 * i + n) << c.name << " " << n;
            EXPECT_EQ(slot[count], 900 + n) << c.name << ": nsa end time of slot " << n;
            for (int i = count + 1; i < nsiSlots; ++i)
                ASSERT_EQ(slot[i], 7000 + 100 * n + i) << c.name << ": older value kept";
        }
    }
}

TEST(CycleHistory, TheFirstStripOfASetWithdrawsTheEvaluation) {
    test::FakePlatform fp;
    storeSet(fp, std::vector<int>(10, 10));
    ASSERT_TRUE(allEnabled(fp.controls, true));
    storeNumbered(fp, 1, 8);
    EXPECT_TRUE(allEnabled(fp.controls, false));
    EXPECT_EQ(fp.history.setCount, 0);
    ASSERT_TRUE(fp.history.cycleCounts.has_value());
    EXPECT_EQ((*fp.history.cycleCounts)[1], 8);
    for (int n = 2; n <= 10; ++n) EXPECT_EQ((*fp.history.cycleCounts)[n], 0) << n;
    EXPECT_EQ(fp.history.cycleTimes[2][10], 902) << "slot 2 keeps the older cycle";

    // After a rejected set the eleventh cycle starts over in the same way.
    test::FakePlatform rejected;
    storeSet(rejected, {10, 10, 10, 8, 10, 10, 10, 10, 10, 10});
    storeNumbered(rejected, 1, 10);
    EXPECT_EQ(rejected.history.setCount, 0);
    EXPECT_EQ((*rejected.history.cycleCounts)[4], 0);
}

TEST(CycleHistory, ASetWhoseFirstStripWasLostAfterAcceptanceIsNotOffered) {
    test::FakePlatform fp;
    storeSet(fp, std::vector<int>(10, 10));
    ASSERT_FALSE(fp.history.cycleCounts.has_value());
    // Strip 1 of the next set could not be drawn, so storing starts at strip 2.
    for (int n = 2; n <= 10; ++n) storeNumbered(fp, n, 10);
    EXPECT_TRUE(allEnabled(fp.controls, false)) << "charts over two mixed sets";
    EXPECT_EQ(fp.sound.beeps.size(), 1u) << "only the first set was accepted";
    ASSERT_TRUE(fp.history.cycleCounts.has_value());
    EXPECT_EQ((*fp.history.cycleCounts)[1], 0);
}

// Records the order in which controls are switched and beeps sound.
class LoggingControls : public test::FakeControls {
public:
    explicit LoggingControls(std::vector<std::string> &log) : m_log(log) {}
    void setEnabled(int id, bool on) override {
        m_log.push_back((on ? "enable " : "disable ") + std::to_string(id));
        FakeControls::setEnabled(id, on);
    }

private:
    std::vector<std::string> &m_log;
};

class LoggingSound : public test::FakeSound {
public:
    explicit LoggingSound(std::vector<std::string> &log) : m_log(log) {}
    void beep(int hz, int ms) override {
        m_log.push_back("beep " + std::to_string(hz) + "/" + std::to_string(ms));
    }

private:
    std::vector<std::string> &m_log;
};

TEST(CycleHistory, ControlsSwitchInCatalogueOrderAndTheBeepComesLast) {
    std::vector<std::string> log;
    test::FakePlatform fp;
    LoggingControls controls(log);
    LoggingSound sound(log);
    Platform platform{controls, fp.pictures, fp.events, fp.dialogs,
                      sound,    fp.lines,    fp.clock,  fp.system};
    Bench bench{platform, fp.record, fp.history, "", "/tmp/"};
    test::fillDemoCycle(fp.record);
    for (int n = 1; n <= 10; ++n) {
        fp.record.stripSlot = n;
        storeCycle(bench);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"disable 810", "disable 811", "disable 812",
                                             "disable 814", "enable 810", "enable 811",
                                             "enable 812", "enable 814", "beep 500/400"}));
}

TEST(CycleHistory, TheDemonstrationsTenStripsFormAnAcceptedSet) {
    test::FakePlatform fp;
    test::fillDemoCycle(fp.record);
    fp.record.soundAvailable = 1;
    for (int i = 0; i < 10; ++i) drawStrip(fp.bench);
    EXPECT_EQ(fp.history.setCount, 20);
    EXPECT_FALSE(fp.history.cycleCounts.has_value());
    EXPECT_TRUE(allEnabled(fp.controls, true));
    EXPECT_EQ(fp.sound.beeps, (std::vector<std::pair<int, int>>{{500, 400}}));
    for (int n = 1; n <= 10; ++n) {
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(fp.history.cycleTimes[n][i], fp.record.nsiTimes[i]) << n << " " << i;
        EXPECT_EQ(fp.history.cycleTimes[n][20], 980) << "slot " << n;
    }
}

}  // namespace
}  // namespace kvl
