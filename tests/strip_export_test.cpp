// Korvalin dial tester tests - saving the strips: the dialog, the picture in
// the file, the messages, and what a failed save leaves behind.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/catalogue.h"
#include "strip/draw_strip.h"
#include "strip/strip_export.h"
#include "tests/support/fake_platform.h"
#include "tests/support/strip_cycles.h"
#include "tests/support/temp_folder.h"
#include "tests/support/write_limits.h"

namespace kvl {
namespace {

const std::string failureTitle = "Fehler !";
const std::string failureText = "Prüfstreifen wurde nicht gespeichert";

class SaveTest : public ::testing::Test {
protected:
    test::FakePlatform fp;
    test::TempFolder dir;

    void SetUp() override { fp.bench.startDirectory = dir.path() + "/"; }

    // Strips drawn from cycles of different pulse counts, so that each strip
    // differs from the others and a strip saved in the wrong place shows.
    void drawCycles(int count) {
        for (int i = 0; i < count; ++i) {
            test::fillMeasuredCycle(fp.record, test::idealPulses(1 + i % 10), 1000, 1100);
            drawStrip(fp.bench);
        }
    }

    void save(const std::string &path, int pattern) {
        fp.dialogs.saveAnswers.push_back({path, pattern});
        saveStrips(fp.bench);
    }

    // The file as ImageMagick decodes it, compared with strips 1..slots at
    // rows (n - 1) * 160 and black everywhere else.
    void expectSavedStrips(const std::string &path, int slots) {
        const auto rgb = test::decodeWithImageMagick(path);
        ASSERT_EQ(rgb.size(), 1400u * 1600 * 3) << path;
        int wrong = 0;
        for (int y = 0; y < 1600 && wrong < 5; ++y) {
            const int n = y / 160 + 1, row = y % 160;
            const Picture *strip =
                (n <= slots && row < 150) ? fp.pictures.find(pic::stripImage(n)) : nullptr;
            for (int x = 0; x < 1400 && wrong < 5; ++x) {
                const size_t at = (static_cast<size_t>(y) * 1400 + x) * 3;
                const Rgb got{rgb[at], rgb[at + 1], rgb[at + 2]};
                const Rgb want = strip ? strip->pixel(x, row) : colours::black;
                if (got != want) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " of strip " << n;
                    ++wrong;
                }
            }
        }
    }
};

TEST_F(SaveTest, TheDialogProposesTheStartFolderAndBothFormats) {
    saveStrips(fp.bench);  // cancelled: the fake dialog has no answer
    ASSERT_EQ(fp.dialogs.saves.size(), 1u);
    const auto &s = fp.dialogs.saves[0];
    EXPECT_EQ(s.title, "Bitte Dateiname und Format wählen");
    EXPECT_EQ(s.defaultPath, dir.path() + "/NS-Prüfstreifen");
    ASSERT_EQ(s.patterns.size(), 2u);
    EXPECT_EQ(s.patterns[0].description, "Image (*.bmp)");
    EXPECT_EQ(s.patterns[0].pattern, "*.bmp");
    EXPECT_EQ(s.patterns[1].description, "Image (*.jpg)");
    EXPECT_EQ(s.patterns[1].pattern, "*.jpg");
    EXPECT_EQ(s.preselected, 0);
    EXPECT_TRUE(fp.dialogs.boxes.empty()) << "cancel says nothing";
    EXPECT_TRUE(dir.names().empty()) << "cancel writes nothing";
}

TEST_F(SaveTest, TheBmpHoldsTheStripsOfTheCurrentSetWithBlackGaps) {
    if (!test::commandAvailable("convert")) GTEST_SKIP() << "ImageMagick's convert is missing";
    struct Case {
        int cycles;
        int slots;
    };
    // 10: all ten strips, the last at rows 1440..1589; 13: the number wrapped,
    // only the three newest count; 0: nothing drawn, all black.
    for (Case c : {Case{10, 10}, Case{3, 3}, Case{0, 0}}) {
        SCOPED_TRACE("after " + std::to_string(c.cycles) + " more cycles");
        drawCycles(c.cycles);
        if (c.cycles == 0) fp.record.stripSlot = 0;  // as after switching a test on
        ASSERT_EQ(fp.record.stripSlot, c.slots);
        const std::string name = "set" + std::to_string(c.cycles);
        fp.dialogs.boxes.clear();
        save(dir.file(name), 0);
        ASSERT_EQ(fp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(fp.dialogs.boxes[0].title, "Erfolg !");
        EXPECT_EQ(fp.dialogs.boxes[0].text, "Prüfstreifen wurde gespeichert");
        EXPECT_EQ(test::readBytes(dir.file(name + ".bmp")).size(), 6720054u);
        expectSavedStrips(dir.file(name + ".bmp"), c.slots);
    }
}

TEST_F(SaveTest, TheExtensionOfThePatternIsAlwaysAppended) {
    drawCycles(2);
    struct Case {
        std::string name;
        int pattern;
        std::string written;
    };
    for (const Case &c : {Case{"a.bmp", 0, "a.bmp.bmp"}, Case{"b", 1, "b.jpg"},
                          Case{"c.jpg", 0, "c.jpg.bmp"}, Case{"d", 0, "d.bmp"}}) {
        save(dir.file(c.name), c.pattern);
        EXPECT_FALSE(test::readBytes(dir.file(c.written)).empty()) << c.written;
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.bmp.bmp", "b.jpg", "c.jpg.bmp", "d.bmp"}));
    if (test::commandAvailable("identify")) {
        const auto r = test::runCommand("identify -format '%w %h %[jpeg:sampling-factor] %Q' " +
                                        test::shellQuoted(dir.file("b.jpg")));
        EXPECT_EQ(r.output, "1400 1600 2x2,1x1,1x1 100");
    }
}

TEST_F(SaveTest, AFolderThatCannotBeWrittenGivesTheFailureMessage) {
    drawCycles(1);
    test::writeBytes(dir.file("plain"), {1, 2, 3});
    for (int pattern : {0, 1}) {
        fp.dialogs.boxes.clear();
        save(dir.file("plain/strips"), pattern);
        ASSERT_EQ(fp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(fp.dialogs.boxes[0].title, failureTitle);
        EXPECT_EQ(fp.dialogs.boxes[0].text, failureText);
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"plain"});
}

TEST_F(SaveTest, AWriteFailingPartWayKeepsTheEarlierSaveAndReportsFailure) {
    drawCycles(4);
    for (int pattern : {0, 1}) {
        const std::string file = dir.file(pattern ? "strips.jpg" : "strips.bmp");
        const std::vector<std::uint8_t> earlier(2000, 5);
        test::writeBytes(file, earlier);
        const int result = test::runWithFileSizeLimit(4096, [&] {
            save(dir.file("strips"), pattern);
            const bool failed = fp.dialogs.boxes.size() == 1 &&
                                fp.dialogs.boxes[0].title == failureTitle &&
                                fp.dialogs.boxes[0].text == failureText;
            return failed ? 0 : 1;
        });
        EXPECT_EQ(result, 0) << "pattern " << pattern << ": the failure message";
        EXPECT_EQ(test::readBytes(file), earlier) << "pattern " << pattern;
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"strips.bmp", "strips.jpg"}));
}

// A store that cannot make the export picture, as when memory runs out.
class NoExportPicture : public MemoryPictureStore {
public:
    Picture *create(int number, int w, int h) override {
        return number == pic::exportImage ? nullptr : MemoryPictureStore::create(number, w, h);
    }
};

TEST_F(SaveTest, WithoutTheExportPictureTheDialogStillOpensAndTheSaveFails) {
    NoExportPicture store;
    Platform platform{fp.controls, store,    fp.events, fp.dialogs,
                      fp.sound,    fp.lines, fp.clock,  fp.system};
    Bench bench{platform, fp.record, fp.history, "", dir.path() + "/"};
    fp.dialogs.saveAnswers.push_back({dir.file("strips"), 0});
    saveStrips(bench);
    EXPECT_EQ(fp.dialogs.saves.size(), 1u);
    ASSERT_EQ(fp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fp.dialogs.boxes[0].title, failureTitle);
    EXPECT_TRUE(dir.names().empty());
}

}  // namespace
}  // namespace kvl
