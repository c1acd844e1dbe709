// Korvalin dial tester tests - finding and choosing the port at start-up.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "contacts/discover_ports.h"
#include "contacts/serial_contact_lines.h"
#include "tests/support/fake_platform.h"
#include "tests/support/pseudo_terminal.h"

namespace kvl {
namespace {

using test::FakePlatform;

const char *const infoTitle = "COM Port Information";

struct DiscoveryCase {
    const char *name;
    std::set<std::string> usable;
    std::vector<std::string> answers;
    std::string chooserTitle;  // empty: no chooser expected
    std::vector<std::string> boxTexts;
    std::string selected;
};

const DiscoveryCase discoveryCases[] = {
    {"none", {}, {}, "", {"Keinen COM Port gefunden !"}, ""},
    {"onlyCom3", {"COM3"}, {}, "", {"COM3 gefunden und verwenden"}, "COM3"},
    {"onlyCom26", {"COM26"}, {}, "", {"COM26 gefunden und verwenden"}, "COM26"},
    {"com1Com3Typed3",
     {"COM1", "COM3"},
     {"3"},
     "COM Port 1   3    gefunden",
     {"COM3 wird verwendet"},
     "COM3"},
    {"absentNumberAsksAgain",
     {"COM1", "COM3"},
     {"2", "3"},
     "COM Port 1   3    gefunden",
     {"COM3 wird verwendet"},
     "COM3"},
    {"cancelAndEmptyAskAgain",
     {"COM1", "COM3"},
     {"", "", "1"},
     "COM Port 1   3    gefunden",
     {"COM1 wird verwendet"},
     "COM1"},
    {"fullNameOrOtherCaseAsksAgain",
     {"COM1", "COM3"},
     {"COM3", "com3", "1"},
     "COM Port 1   3    gefunden",
     {"COM1 wird verwendet"},
     "COM1"},
    {"pieceOf12",
     {"COM1", "COM12"},
     {"2"},
     "COM Port 1   12    gefunden",
     {"COM2 nicht nutzbar !"},
     ""},
    {"blank", {"COM1", "COM3"}, {" "}, "COM Port 1   3    gefunden", {"COM  nicht nutzbar !"}, ""},
    {"spanningTwo",
     {"COM1", "COM3"},
     {"1   3"},
     "COM Port 1   3    gefunden",
     {"COM1   3 nicht nutzbar !"},
     ""},
    {"leadingBlank",
     {"COM1", "COM3"},
     {" 3"},
     "COM Port 1   3    gefunden",
     {"COM 3 nicht nutzbar !"},
     ""},
    {"threePorts",
     {"COM2", "COM5", "COM26"},
     {"26"},
     "COM Port 2   5   26    gefunden",
     {"COM26 wird verwendet"},
     "COM26"},
};

class DiscoverPorts : public ::testing::TestWithParam<DiscoveryCase> {};

TEST_P(DiscoverPorts, ReportsAndSettles) {
    const DiscoveryCase &c = GetParam();
    FakePlatform fake;
    fake.lines.usable = c.usable;
    fake.lines.usable.insert("COM27");  // never probed
    fake.dialogs.inputAnswers.assign(c.answers.begin(), c.answers.end());
    fake.bench.selectedPort = "COM9";  // whatever was there is replaced

    discoverPorts(fake.bench);

    EXPECT_EQ(fake.bench.selectedPort, c.selected);
    std::vector<std::string> texts;
    for (const auto &box : fake.dialogs.boxes) {
        EXPECT_EQ(box.title, infoTitle);
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, c.boxTexts);

    if (c.chooserTitle.empty()) {
        EXPECT_TRUE(fake.dialogs.inputs.empty());
    } else {
        EXPECT_EQ(fake.dialogs.inputs.size(), c.answers.size()) << "the box did not come back";
        for (const auto &input : fake.dialogs.inputs) {
            EXPECT_EQ(input.title, c.chooserTitle);
            EXPECT_EQ(input.prompt, "COM Port auswählen:");
            EXPECT_EQ(input.defaultText, "");
        }
    }
    EXPECT_EQ(fake.dialogs.inputOverruns, 0);

    // COM1 .. COM26 in order, then the chosen name once more.
    std::vector<std::string> probed(fake.lines.openAttempts.begin(),
                                    fake.lines.openAttempts.begin() + 26);
    for (int n = 0; n < 26; ++n) EXPECT_EQ(probed[n], "COM" + std::to_string(n + 1));
    const std::size_t recheck = c.chooserTitle.empty() ? 0 : 1;
    EXPECT_EQ(fake.lines.openAttempts.size(), 26 + recheck);
    if (recheck) EXPECT_EQ(fake.lines.openAttempts.back(), "COM" + c.answers.back());
    // Every port opened is closed again: the test opens it later.
    EXPECT_TRUE(fake.lines.openPort.empty());
    const bool recheckOpened = recheck && !c.selected.empty();
    EXPECT_EQ(fake.lines.closes, static_cast<int>(c.usable.size()) + (recheckOpened ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(Table, DiscoverPorts, ::testing::ValuesIn(discoveryCases),
                         [](const auto &info) { return std::string(info.param.name); });

// With the real contact lines: a port found in the probe is closed again,
// so the test can open it later.
TEST(DiscoverPortsOverTerminals, FoundPortIsFreeAfterwards) {
    test::PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    SerialContactLines lines([&](const std::string &name) -> std::optional<std::string> {
        if (name == "COM3") return pty.slavePath();
        if (name == "COM4") return std::string("/dev/null");
        return std::nullopt;
    });
    FakePlatform fake;
    Platform platform{fake.controls, fake.pictures, fake.events, fake.dialogs,
                      fake.sound,    lines,         fake.clock,  fake.system};
    Bench bench{platform, fake.record, fake.history, "", "/home/user/dials/"};

    discoverPorts(bench);

    EXPECT_EQ(bench.selectedPort, "COM3");
    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].text, "COM3 gefunden und verwenden");
    EXPECT_TRUE(lines.openContactPort(bench.selectedPort));
}

}  // namespace
}  // namespace kvl
