// Korvalin dial tester tests - the test strip as the user sees it: traces,
// texts, tone, slot and scrolling.
#include <gtest/gtest.h>

#include "platform/catalogue.h"
#include "strip/draw_strip.h"
#include "tests/support/fake_platform.h"
#include "tests/support/strip_cycles.h"

namespace kvl {
namespace {

using test::boundingBox;
using test::columnCount;
using test::rowCount;
using test::showsTextAt;

const Rgb black = colours::black;
const Rgb coarse = colours::coarseGridColour;
const std::string demoText = "- nur Beispiel für einen idealen Nummernschalter ! -";
const std::string nsrHint = "- kein nsr extra angeschlossen -";
const std::string nsaHint = "- kein nsa extra angeschlossen -";
const std::string bounceHint = "veränderte Kompensierung der Prellzeit !";

class StripTest : public ::testing::Test {
protected:
    test::FakePlatform fp;

    const Picture &draw() {
        drawStrip(fp.bench);
        const Picture *p = fp.pictures.find(pic::stripImage(fp.record.stripSlot));
        EXPECT_NE(p, nullptr);
        static const Picture none(1, 1);
        return p ? *p : none;
    }

    // Where the pulse number k would have its pixels if drawn alone at (x, y).
    static test::Box numberBox(int k, int x, int y) {
        Picture alone(1400, 150);
        alone.text(x, y, std::to_string(k), coarse);
        return boundingBox(alone, coarse, x - 20, 0, x + 60, 149);
    }
};

TEST_F(StripTest, DemonstrationCycleShowsItsTenPulsesAndBothStepsAt980) {
    test::fillDemoCycle(fp.record);
    fp.record.soundAvailable = 1;
    const Picture &p = draw();
    ASSERT_EQ(p.width(), 1400);
    ASSERT_EQ(p.height(), 150);

    // The demonstration text at (150, 18) is drawn after the trace and covers
    // parts of the first edges; every other pixel of an edge is black.
    Picture text(1400, 150);
    text.text(150, 18, demoText, coarse);
    auto edgeIsBlack = [&](int x) {
        for (int y = 10; y <= 40; ++y)
            if (p.pixel(x, y) != (text.pixel(x, y) == coarse ? coarse : black)) return false;
        return true;
    };
    for (int k = 0; k < 10; ++k) {
        const int opening = 100 + 100 * k, closing = 162 + 100 * k;
        EXPECT_TRUE(edgeIsBlack(opening)) << "opening edge " << opening;
        EXPECT_TRUE(edgeIsBlack(closing)) << "closing edge " << closing;
        // Open 62 ms on the lower level, then closed on the upper level.
        EXPECT_EQ(rowCount(p, 40, opening, closing - 1, black), 62) << "pulse " << k + 1;
        EXPECT_EQ(rowCount(p, 10, opening + 1, closing - 1, black), 0) << "pulse " << k + 1;
        EXPECT_TRUE(showsTextAt(p, 127 + 100 * k, 20, std::to_string(k + 1), coarse))
            << "number " << k + 1;
    }
    EXPECT_EQ(rowCount(p, 10, 50, 100, black), 51) << "lead-in";
    EXPECT_EQ(rowCount(p, 10, 1062, 1399, black), 338) << "closed to the right edge";
    EXPECT_EQ(rowCount(p, 40, 1063, 1399, black), 0);
    EXPECT_EQ(rowCount(p, 10, 0, 49, black), 0);

    // nsa closed until 980 ms, then open; nsr open until 980 ms, then closed.
    EXPECT_EQ(rowCount(p, 110, 50, 1080, black), 1031);
    EXPECT_EQ(rowCount(p, 110, 1081, 1399, black), 0);
    EXPECT_EQ(columnCount(p, 1080, 110, 140, black), 31);
    EXPECT_EQ(rowCount(p, 140, 1080, 1399, black), 320);
    EXPECT_EQ(rowCount(p, 140, 0, 1079, black), 0);
    EXPECT_EQ(rowCount(p, 90, 50, 1080, black), 1031);
    EXPECT_EQ(columnCount(p, 1080, 60, 90, black), 31);
    EXPECT_EQ(rowCount(p, 60, 1080, 1399, black), 320);
    EXPECT_EQ(rowCount(p, 60, 0, 1079, black), 0);

    for (int y : {68, 118, 18}) EXPECT_TRUE(showsTextAt(p, 150, y, demoText, coarse)) << y;
    EXPECT_FALSE(showsTextAt(p, 1255, 100, "11.12.2026  09:05:07", coarse));
    EXPECT_TRUE(boundingBox(p, coarse, 1256, 102, 1298, 112).empty()) << "no stamp";
    EXPECT_FALSE(showsTextAt(p, 150, 68, nsrHint, coarse));
    EXPECT_FALSE(showsTextAt(p, 150, 118, nsaHint, coarse));
    EXPECT_EQ(fp.sound.played, std::vector<int>{10});
    EXPECT_TRUE(fp.sound.beeps.empty());
}

TEST_F(StripTest, GridFrameLabelsAndScale) {
    test::fillDemoCycle(fp.record);
    fp.record.nsaTimes[1] = 5000;  // keeps the open nsa level off the time scale
    const Picture &p = draw();
    EXPECT_EQ(p.pixel(5, 5 + 50), colours::chartBackground);
    EXPECT_EQ(p.pixel(1310, 75), colours::fineGridColour) << "fine grid column 1310";
    EXPECT_EQ(p.pixel(1305, 70), colours::fineGridColour) << "fine grid row 70";
    EXPECT_EQ(p.pixel(1300, 75), coarse) << "coarse grid column 1300";
    EXPECT_EQ(p.pixel(1405 - 10, 50), coarse) << "band border";
    EXPECT_EQ(p.pixel(1395, 100), coarse) << "band border";
    EXPECT_EQ(p.pixel(1395, 0), coarse) << "top frame";
    EXPECT_EQ(p.pixel(1399, 75), coarse) << "right frame";
    EXPECT_EQ(p.pixel(0, 75), coarse) << "left frame";
    // The bottom border runs from (0, 149) to (1400, 150): only its left half
    // lies on the last row.
    EXPECT_EQ(p.pixel(5, 149), coarse);
    EXPECT_EQ(p.pixel(1395, 149), colours::chartBackground);

    EXPECT_TRUE(showsTextAt(p, 0, 0, "1", colours::red)) << "strip number";
    EXPECT_TRUE(showsTextAt(p, 10, 17, "nsi", black));
    EXPECT_TRUE(showsTextAt(p, 10, 67, "nsr", black));
    EXPECT_TRUE(showsTextAt(p, 10, 117, "nsa", black));
    for (int y : {0, 50, 100}) {
        EXPECT_TRUE(showsTextAt(p, 31, y, "zu", coarse)) << y;
        EXPECT_TRUE(showsTextAt(p, 31, y + 33, "auf", coarse)) << y;
    }
    for (int x = 100; x <= 1300; x += 100)
        EXPECT_TRUE(showsTextAt(p, x - 10, 135, std::to_string(x - 100), coarse)) << x;
    EXPECT_TRUE(showsTextAt(p, 1375, 135, "ms", coarse));
}

TEST_F(StripTest, MeasuredCycleCarriesTheDateAndTimeStampAndCentredPulseNumbers) {
    test::fillMeasuredCycle(fp.record, test::idealPulses(10), 7654321, 980);
    fp.clock.dateTime = LocalDateTime{2031, 3, 4, 17, 8, 9};
    const Picture &p = draw();
    EXPECT_TRUE(showsTextAt(p, 1255, 100, "04.03.2031  17:08:09", coarse));
    for (int y : {68, 118, 18}) EXPECT_FALSE(showsTextAt(p, 150, y, demoText, coarse)) << y;
    // Without the demonstration text the numbers stand alone: their pixels
    // are exactly those of the number drawn at (127 + 100 k, 20).
    for (int k = 1; k <= 10; ++k) {
        const int x = 127 + 100 * (k - 1);
        const test::Box want = numberBox(k, x, 20);
        const test::Box got = boundingBox(p, coarse, x - 20, 11, x + 60, 39);
        EXPECT_EQ(got.left, want.left) << "number " << k;
        EXPECT_EQ(got.top, want.top) << "number " << k;
        EXPECT_EQ(got.right, want.right) << "number " << k;
        EXPECT_EQ(got.bottom, want.bottom) << "number " << k;
    }
    // The origin is absolute: the steps still stand at 980 ms.
    EXPECT_EQ(columnCount(p, 1080, 110, 140, black), 31);
    EXPECT_EQ(columnCount(p, 1080, 60, 90, black), 31);
}

TEST_F(StripTest, MissingContactsShowTheirHintInsteadOfATrace) {
    struct Case {
        const char *name;
        int nsrCount;
        int nsaAbsent;
    };
    for (Case c : {Case{"nsr missing", 0, 0}, Case{"nsa missing", 2, 1}, Case{"both", 0, 1},
                   Case{"both wired", 2, 0}}) {
        test::FakePlatform f;
        test::fillMeasuredCycle(f.record, test::idealPulses(3), 1000, 500);
        f.record.nsrCount = c.nsrCount;
        f.record.nsaAbsent = c.nsaAbsent;
        drawStrip(f.bench);
        const Picture &p = *f.pictures.find(pic::stripImage(1));
        const bool nsr = c.nsrCount != 0, nsa = !c.nsaAbsent;
        EXPECT_EQ(showsTextAt(p, 150, 68, nsrHint, coarse), !nsr) << c.name;
        EXPECT_EQ(showsTextAt(p, 150, 118, nsaHint, coarse), !nsa) << c.name;
        EXPECT_EQ(rowCount(p, 90, 0, 1399, black), nsr ? 551 : 0) << c.name;
        EXPECT_EQ(columnCount(p, 600, 50, 99, black), nsr ? 31 : 0) << c.name;
        EXPECT_EQ(rowCount(p, 110, 0, 1399, black), nsa ? 551 : 0) << c.name;
        EXPECT_EQ(columnCount(p, 600, 100, 149, black), nsa ? 31 : 0) << c.name;
    }
}

TEST_F(StripTest, BounceHintOnlyForMeasuredCyclesWithCompensation) {
    struct Case {
        int bounceDelay;
        int demoMode;
        bool shown;
    };
    for (Case c : {Case{0, 0, false}, Case{1, 0, true}, Case{9, 0, true}, Case{3, 1, false}}) {
        test::FakePlatform f;
        test::fillMeasuredCycle(f.record, test::idealPulses(4), 0, 500);
        f.record.bounceDelay = c.bounceDelay;
        f.record.demoMode = c.demoMode;
        drawStrip(f.bench);
        const Picture &p = *f.pictures.find(pic::stripImage(1));
        EXPECT_EQ(showsTextAt(p, 1125, 18, bounceHint, coarse), c.shown)
            << "bounceDelay " << c.bounceDelay << " demo " << c.demoMode;
    }
}

TEST_F(StripTest, ToneIsTheClipOfThePulseCountOrTheBeep) {
    struct Case {
        int soundAvailable;
        int nsiCount;
        std::vector<int> clips;
        std::vector<std::pair<int, int>> beeps;
    };
    const std::vector<Case> cases{
        {1, 20, {10}, {}}, {1, 2, {1}, {}},           {1, 24, {12}, {}},         {1, 21, {10}, {}},
        {1, 26, {13}, {}}, {0, 20, {}, {{450, 200}}}, {0, 26, {}, {{450, 200}}},
    };
    for (const Case &c : cases) {
        test::FakePlatform f;
        for (int clip = 1; clip <= 12; ++clip) f.sound.loadClip(clip, {1, 2, 3});
        std::vector<std::int32_t> t;
        for (int i = 0; i < c.nsiCount; ++i) t.push_back(40 * i);
        test::fillMeasuredCycle(f.record, t, 0, 1200);
        f.record.soundAvailable = c.soundAvailable;
        drawStrip(f.bench);
        EXPECT_EQ(f.sound.played, c.clips) << "N " << c.nsiCount;
        EXPECT_EQ(f.sound.beeps, c.beeps) << "N " << c.nsiCount;
        for (int clip : f.sound.played)
            if (c.nsiCount / 2 > 12) EXPECT_EQ(f.sound.clips.count(clip), 0u) << "silent";
    }
}

TEST_F(StripTest, SlotAdvancesWrapsAndScrollsTheNewStripIntoView) {
    test::fillMeasuredCycle(fp.record, test::idealPulses(5), 0, 600);
    struct Expect {
        int cycles;
        int slot;
    };
    int drawn = 0;
    for (Expect e : {Expect{1, 1}, Expect{10, 10}, Expect{11, 1}}) {
        while (drawn < e.cycles) {
            drawStrip(fp.bench);
            ++drawn;
        }
        EXPECT_EQ(fp.record.stripSlot, e.slot) << e.cycles;
        EXPECT_EQ(fp.controls.picture(ctl::stripView(e.slot)), pic::stripImage(e.slot));
        EXPECT_EQ(fp.controls.pictureLog.back(),
                  std::make_pair(ctl::stripView(e.slot), pic::stripImage(e.slot)));
        EXPECT_EQ(fp.controls.scrollInnerWidth(ctl::stripScrollArea), e.slot * 1450);
        EXPECT_EQ(fp.controls.scrollPosition(ctl::stripScrollArea), (e.slot - 1) * 1450);
        const Picture *p = fp.pictures.find(pic::stripImage(e.slot));
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(showsTextAt(*p, 0, 0, std::to_string(e.slot), colours::red));
    }
    EXPECT_EQ(fp.controls.pictureLog.size(), 11u);
}

// A store that cannot make pictures, as when memory runs out.
class RefusingPictureStore : public MemoryPictureStore {
public:
    Picture *create(int, int, int) override { return nullptr; }
};

TEST_F(StripTest, StripThatCannotBeMadeIsNeitherStoredNorShown) {
    RefusingPictureStore refusing;
    Platform platform{fp.controls, refusing, fp.events, fp.dialogs,
                      fp.sound,    fp.lines, fp.clock,  fp.system};
    Bench bench{platform, fp.record, fp.history, "", "/tmp/"};
    test::fillMeasuredCycle(fp.record, test::idealPulses(5), 0, 600);
    fp.record.stripSlot = 3;
    fp.controls.setScrollInnerWidth(ctl::stripScrollArea, 3 * 1450);
    drawStrip(bench);
    EXPECT_EQ(fp.record.stripSlot, 4) << "the slot still advances";
    EXPECT_EQ(fp.sound.beeps.size(), 1u) << "the tone still sounds";
    EXPECT_TRUE(fp.controls.pictureLog.empty());
    EXPECT_EQ(fp.controls.scrollInnerWidth(ctl::stripScrollArea), 3 * 1450);
    EXPECT_FALSE(fp.history.cycleCounts.has_value()) << "not stored";
    EXPECT_EQ(fp.history.cycleTimes[4][1], 0);
}

TEST_F(StripTest, TracesLeavingTheStripAreCutAtItsEdges) {
    {  // twelve pulses of 120 ms: pulse 11 closes at 1270 ms, pulse 12 opens off the strip
        std::vector<std::int32_t> t;
        for (int k = 0; k < 12; ++k) {
            t.push_back(120 * k);
            t.push_back(120 * k + 70);
        }
        test::fillMeasuredCycle(fp.record, t, 0, 1500);
        const Picture &p = draw();
        EXPECT_EQ(rowCount(p, 40, 1300, 1369, black), 70);
        EXPECT_EQ(columnCount(p, 1370, 10, 40, black), 31);
        EXPECT_EQ(rowCount(p, 10, 1370, 1399, black), 30);
        EXPECT_EQ(rowCount(p, 40, 1371, 1399, black), 0);
        EXPECT_EQ(rowCount(p, 40, 0, 99, black), 0) << "nothing wraps round";
        EXPECT_EQ(rowCount(p, 140, 0, 1399, black), 0) << "nsa returns off the strip";
        EXPECT_EQ(rowCount(p, 110, 50, 1250, black), 1201) << "left of the stamp";
    }
    {  // odd count: the last pulse never closes and stays open to the edge
        std::vector<std::int32_t> t = test::idealPulses(10);
        t.pop_back();
        test::fillMeasuredCycle(fp.record, t, 0, 980);
        const Picture &p = draw();
        EXPECT_EQ(rowCount(p, 40, 1000, 1399, black), 400);
        EXPECT_EQ(rowCount(p, 10, 1001, 1399, black), 0);
        EXPECT_TRUE(boundingBox(p, coarse, 1010, 12, 1098, 38).empty()) << "no number 10";
        EXPECT_EQ(columnCount(p, 1000, 10, 40, black), 31) << "its opening edge";
    }
    {  // a stale nsa tick far before this cycle's origin: the step lies off the left edge
        test::fillMeasuredCycle(fp.record, test::idealPulses(3), 800000000, 400);
        fp.record.nsaTimes[1] = 0;
        fp.record.nsrTimes[1] = 2000000000;
        const Picture &p = draw();
        EXPECT_EQ(rowCount(p, 140, 0, 1399, black), 1400);
        EXPECT_EQ(rowCount(p, 110, 0, 1399, black), 101);
        EXPECT_EQ(rowCount(p, 90, 50, 1399, black), 1350) << "nsr step beyond the right edge";
        EXPECT_EQ(rowCount(p, 60, 0, 1399, black), 0);
    }
}

}  // namespace
}  // namespace kvl
