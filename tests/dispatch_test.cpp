// Korvalin dial tester tests - the event loop, the command table and the layouts.
#include <gtest/gtest.h>

#include <optional>

#include "app/dispatch.h"
#include "platform/catalogue.h"
#include "tests/support/fake_platform.h"
#include "tests/support/initial_window.h"

namespace kvl {
namespace {

using test::commandControls;
using WE = WindowEvent;

// The credit line, the ten-cycle row and its frame: visible together in the
// measurement and evaluation layouts, hidden in the help layout.
std::vector<int> evaluationRow() {
    std::vector<int> ids = {ctl::creditLabel, ctl::tenCycleLabel, ctl::runningTimeButton,
                            ctl::pulsePauseButton, ctl::leaveEvaluationButton};
    for (int bar = ctl::firstEvaluationFrameBar; bar <= ctl::lastEvaluationFrameBar; ++bar)
        ids.push_back(bar);
    return ids;
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override { test::presetInitialWindow(c); }

    bool visible(int id) const { return c.isVisible(id); }
    bool enabled(int id) const { return c.isEnabled(id); }
    std::string text(int id) const { return c.text(id); }
    // The user presses the toggle: it changes its state, then its event arrives.
    bool pressToggle() {
        c.at(ctl::testToggle).state = c.state(ctl::testToggle) ? 0 : 1;
        return dispatchControl(fake.bench, ctl::testToggle);
    }
    void expectMeasurementLayout() {
        EXPECT_TRUE(visible(ctl::stripScrollArea));
        EXPECT_FALSE(visible(ctl::helpPicture));
        EXPECT_FALSE(visible(ctl::helpPageButton));
        EXPECT_FALSE(visible(ctl::dialTable));
        EXPECT_EQ(text(ctl::helpPageButton), "");
        for (int id : evaluationRow()) EXPECT_TRUE(visible(id)) << "control " << id;
    }
    void expectHelpPage(const std::string &page) {
        EXPECT_EQ(text(ctl::helpPageButton), page);
        EXPECT_TRUE(visible(ctl::helpPageButton));
        EXPECT_FALSE(visible(ctl::stripScrollArea));
        for (int id : evaluationRow()) EXPECT_FALSE(visible(id)) << "control " << id;
        const bool tablePage = page == "3/3";
        EXPECT_EQ(visible(ctl::dialTable), tablePage) << page;
        EXPECT_EQ(visible(ctl::helpPicture), !tablePage) << page;
        if (page == "1/3") EXPECT_EQ(c.picture(ctl::helpPicture), pic::wiringPicture);
        if (page == "2/3") EXPECT_EQ(c.picture(ctl::helpPicture), pic::relayInterfacePicture);
    }
    void expectCommandsEnabled(bool on) {
        for (int id : commandControls)
            if (id != ctl::testToggle) EXPECT_EQ(enabled(id), on) << "command " << id;
        EXPECT_TRUE(enabled(ctl::testToggle));
    }
    void setBounce(const std::string &answer) {
        fake.dialogs.inputAnswers.push_back(answer);
        ASSERT_TRUE(dispatchControl(fake.bench, ctl::bounceButton));
    }

    test::FakePlatform fake;
    test::FakeControls &c = fake.controls;
};

// --- layouts -----------------------------------------------------------

TEST_F(Shell, HelpButtonShowsPageOneAndKeepsTheCommands) {
    c.setEnabled(ctl::runningTimeButton, false);
    ASSERT_TRUE(dispatchControl(fake.bench, ctl::helpButton));
    expectHelpPage("1/3");
    expectCommandsEnabled(true);
    EXPECT_FALSE(enabled(ctl::runningTimeButton)) << "enabled states are not the layout's";
}

TEST_F(Shell, HelpPagesCycleAndWrap) {
    dispatchControl(fake.bench, ctl::helpButton);
    for (const char *page : {"2/3", "3/3", "1/3", "2/3", "3/3", "1/3"}) {
        ASSERT_TRUE(dispatchControl(fake.bench, ctl::helpPageButton));
        expectHelpPage(page);
    }
}

TEST_F(Shell, HelpButtonOnTheTablePageStartsAgainAtPageOne) {
    dispatchControl(fake.bench, ctl::helpButton);
    dispatchControl(fake.bench, ctl::helpPageButton);
    dispatchControl(fake.bench, ctl::helpPageButton);
    ASSERT_TRUE(visible(ctl::dialTable));
    dispatchControl(fake.bench, ctl::helpButton);
    expectHelpPage("1/3");
}

TEST_F(Shell, PageButtonOutsideTheHelpLayoutDoesNothing) {
    // Its text is empty in the measurement layout, which reads as no page.
    ASSERT_TRUE(dispatchControl(fake.bench, ctl::helpPageButton));
    expectMeasurementLayout();
    EXPECT_TRUE(c.pictureLog.empty());
}

TEST_F(Shell, PrintingKeepsTheHelpLayout) {
    dispatchControl(fake.bench, ctl::helpButton);
    dispatchControl(fake.bench, ctl::helpPageButton);
    ASSERT_TRUE(dispatchControl(fake.bench, ctl::printButton));
    expectHelpPage("2/3");
}

// Controls whose action returns to the measurement layout first.
class BackToMeasurement : public Shell, public ::testing::WithParamInterface<int> {};

TEST_P(BackToMeasurement, FromTheTablePage) {
    dispatchControl(fake.bench, ctl::helpButton);
    dispatchControl(fake.bench, ctl::helpPageButton);
    dispatchControl(fake.bench, ctl::helpPageButton);
    ASSERT_EQ(text(ctl::helpPageButton), "3/3");

    ASSERT_TRUE(dispatchControl(fake.bench, GetParam()));
    expectMeasurementLayout();
}

INSTANTIATE_TEST_SUITE_P(Commands, BackToMeasurement,
                         ::testing::Values(ctl::idealDialButton, ctl::saveButton),
                         [](const auto &info) { return std::to_string(info.param); });

TEST_F(Shell, ToggleInTheHelpLayoutReturnsToMeasurementThenSwitchesOn) {
    dispatchControl(fake.bench, ctl::helpButton);
    ASSERT_TRUE(pressToggle());
    expectMeasurementLayout();
    EXPECT_EQ(text(ctl::testToggle), "Prüfung AUSSCHALTEN");
}

// --- switching the test on and off ---------------------------------------

TEST_F(Shell, WithoutAPortTheToggleOnlyChangesItsLook) {
    setBounce("5");
    ASSERT_TRUE(pressToggle());
    EXPECT_EQ(text(ctl::testToggle), "Prüfung AUSSCHALTEN");
    EXPECT_EQ(c.state(ctl::testToggle), 1);
    expectCommandsEnabled(false);
    EXPECT_TRUE(fake.lines.openAttempts.empty());
    EXPECT_TRUE(fake.lines.rtsCalls.empty());
    EXPECT_TRUE(fake.dialogs.boxes.empty());
    EXPECT_EQ(fake.events.waits, 0) << "no capture without a port";

    ASSERT_TRUE(pressToggle());
    EXPECT_EQ(text(ctl::testToggle), "Prüfung EINSCHALTEN");
    expectCommandsEnabled(true);
    EXPECT_EQ(text(ctl::bounceButton), "EP1");
    EXPECT_EQ(fake.record.bounceDelay, 0);
}

struct NsiOpenCase {
    const char *name;
    bool portUsable;
};

class NsiOpen : public Shell, public ::testing::WithParamInterface<NsiOpenCase> {};

TEST_P(NsiOpen, TellsOnceAndReturnsToTestOff) {
    fake.bench.selectedPort = "COM5";
    if (GetParam().portUsable) fake.lines.usable = {"COM5"};
    std::optional<std::int32_t> dcdReadAt;
    fake.lines.level = [&](ModemLine line) {
        if (line == ModemLine::Dcd && !dcdReadAt) dcdReadAt = fake.clock.now();
        return 0;
    };
    setBounce("5");
    const std::int32_t pressedAt = fake.clock.now();

    ASSERT_TRUE(pressToggle());

    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].title, "Keine Prüfung möglich !");
    EXPECT_EQ(fake.dialogs.boxes[0].text, "nsi ist offen oder nicht angeschlossen");
    EXPECT_EQ(fake.lines.openAttempts, std::vector<std::string>{"COM5"});
    EXPECT_EQ(fake.lines.rtsCalls, std::vector<bool>{true});
    EXPECT_EQ(fake.clock.sleeps, std::vector<int>{100}) << "RTS settles 100 ms before the read";
    if (GetParam().portUsable) {
        ASSERT_TRUE(dcdReadAt.has_value());
        EXPECT_GE(tickDiff(*dcdReadAt, pressedAt), 100);
    }
    EXPECT_EQ(fake.events.waits, 0) << "the capture must not start";
    EXPECT_EQ(c.state(ctl::testToggle), 0);
    EXPECT_EQ(text(ctl::testToggle), "Prüfung EINSCHALTEN");
    EXPECT_TRUE(fake.lines.openPort.empty()) << "the port is closed again";
    expectCommandsEnabled(true);
    EXPECT_EQ(text(ctl::bounceButton), "EP1");
    EXPECT_EQ(fake.record.bounceDelay, 0);
}

INSTANTIATE_TEST_SUITE_P(Dials, NsiOpen,
                         ::testing::Values(NsiOpenCase{"ContactOpen", true},
                                           NsiOpenCase{"PortNotUsable", false}),
                         [](const auto &info) { return std::string(info.param.name); });

// A test that runs: nsi closed, nsr as given. The user releases the toggle
// 300 ms later; a capture that samples the fake lines sees the release
// through the scheduled event, one that returns at once is handled too.
class RunningTest : public Shell, public ::testing::WithParamInterface<int> {
protected:
    struct Look {
        std::string toggleText;
        std::vector<bool> locked;  // 110..160 disabled
        bool evaluationLocked = false;
        std::string openPort;
        bool rts = false;
        int bounceDelay = -1;
    };
    Look look() const {
        Look l{text(ctl::testToggle),  {}, true, fake.lines.openPort, fake.lines.rts,
               fake.record.bounceDelay};
        for (int id : commandControls)
            if (id != ctl::testToggle) l.locked.push_back(!enabled(id));
        for (int id : {ctl::runningTimeButton, ctl::pulsePauseButton, ctl::leaveEvaluationButton})
            l.evaluationLocked = l.evaluationLocked && !enabled(id);
        return l;
    }
    void SetUp() override {
        Shell::SetUp();
        fake.bench.selectedPort = "COM5";
        fake.lines.usable = {"COM5"};
        fake.lines.level = [this](ModemLine line) {
            if (line == ModemLine::Dsr && !atNsrRead) atNsrRead = look();
            if (line == ModemLine::Dcd) return 1;
            if (line == ModemLine::Dsr) return GetParam();
            return 0;
        };
        fake.events.at(fake.clock.now() + 300, {WE::Kind::Control, ctl::testToggle});
        fake.events.beforeDelivery = [this](const WE &e) {
            if (!atFirstWait) atFirstWait = look();
            if (e.kind == WE::Kind::Control && e.control == ctl::testToggle)
                c.at(ctl::testToggle).state = 0;
        };
    }
    std::optional<Look> atNsrRead;
    std::optional<Look> atFirstWait;
};

TEST_P(RunningTest, StartsInTheTestRunningStateAndEndsSwitchedOff) {
    const int nsr = GetParam();
    setBounce("4");
    c.setScrollPosition(ctl::stripScrollArea, 2900);

    ASSERT_TRUE(pressToggle());

    EXPECT_TRUE(fake.dialogs.boxes.empty());
    EXPECT_EQ(fake.lines.openAttempts, std::vector<std::string>{"COM5"});
    ASSERT_TRUE(atNsrRead.has_value());
    EXPECT_EQ(atNsrRead->toggleText, "Prüfung AUSSCHALTEN");
    EXPECT_EQ(atNsrRead->locked, std::vector<bool>(6, true));
    EXPECT_TRUE(atNsrRead->rts);
    if (atFirstWait) {  // the capture pumped events: the state it ran in
        EXPECT_EQ(atFirstWait->toggleText, "Prüfung AUSSCHALTEN");
        EXPECT_EQ(atFirstWait->locked, std::vector<bool>(6, true));
        EXPECT_TRUE(atFirstWait->evaluationLocked);
        EXPECT_EQ(atFirstWait->openPort, "COM5");
        EXPECT_EQ(atFirstWait->bounceDelay, 3) << "the capture runs with the chosen compensation";
    }

    // What the capture was handed.
    EXPECT_EQ(c.picture(ctl::nsiLamp), pic::contactLampOn);
    EXPECT_EQ(c.picture(ctl::nsrLamp), nsr ? pic::contactLampOn : pic::contactLampOff);
    EXPECT_EQ(fake.record.nsiState, 1);
    EXPECT_EQ(fake.record.nsrState, nsr);
    EXPECT_EQ(fake.record.stripSlot, 0);
    EXPECT_EQ(c.scrollInnerWidth(ctl::stripScrollArea), 1450);
    EXPECT_EQ(c.scrollPosition(ctl::stripScrollArea), 0);
    EXPECT_EQ(c.picture(ctl::stripView(1)), pic::blankStrip);
    for (int id : {ctl::runningTimeButton, ctl::pulsePauseButton, ctl::leaveEvaluationButton})
        EXPECT_FALSE(enabled(id)) << "control " << id << " stays locked until ten cycles";

    // The toggle's release ran switchTestOff once.
    EXPECT_EQ(c.state(ctl::testToggle), 0);
    EXPECT_EQ(text(ctl::testToggle), "Prüfung EINSCHALTEN");
    EXPECT_TRUE(fake.lines.openPort.empty());
    EXPECT_EQ(fake.lines.closes, 1);
    expectCommandsEnabled(true);
    EXPECT_EQ(text(ctl::bounceButton), "EP1");
    EXPECT_EQ(fake.record.bounceDelay, 0);
    expectMeasurementLayout();
}

TEST_P(RunningTest, ASecondTestStartsLikeTheFirst) {
    ASSERT_TRUE(pressToggle());
    fake.events.at(fake.clock.now() + 300, {WE::Kind::Control, ctl::testToggle});
    atNsrRead.reset();
    ASSERT_TRUE(pressToggle());
    EXPECT_TRUE(fake.dialogs.boxes.empty());
    EXPECT_EQ(fake.lines.openAttempts.size(), 2u);
    ASSERT_TRUE(atNsrRead.has_value());
    EXPECT_EQ(atNsrRead->toggleText, "Prüfung AUSSCHALTEN");
    EXPECT_EQ(text(ctl::testToggle), "Prüfung EINSCHALTEN");
    EXPECT_TRUE(fake.lines.openPort.empty());
}

INSTANTIATE_TEST_SUITE_P(NsrLevels, RunningTest, ::testing::Values(0, 1),
                         [](const auto &info) { return "nsr" + std::to_string(info.param); });

// --- bounce compensation ---------------------------------------------------

struct BounceCase {
    std::vector<std::string> answers;  // "" is also what a cancelled box returns
    int value;
};

class BounceBox : public Shell, public ::testing::WithParamInterface<BounceCase> {};

TEST_P(BounceBox, AsksUntilAValueFromOneToTen) {
    for (const auto &a : GetParam().answers) fake.dialogs.inputAnswers.push_back(a);
    ASSERT_TRUE(dispatchControl(fake.bench, ctl::bounceButton));

    ASSERT_EQ(fake.dialogs.inputs.size(), GetParam().answers.size());
    EXPECT_EQ(fake.dialogs.inputOverruns, 0);
    for (const auto &box : fake.dialogs.inputs) {
        EXPECT_EQ(box.title, "Vorsicht !  Nur zur Fehlereigrenzung ändern !");
        EXPECT_EQ(box.prompt, "1ms ist Norm, 2-10 möglich (ungenaue Gesamtprüfung!)");
        EXPECT_EQ(box.defaultText, "1");
    }
    EXPECT_EQ(text(ctl::bounceButton), "EP" + std::to_string(GetParam().value));
    EXPECT_EQ(fake.record.bounceDelay, GetParam().value - 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, BounceBox,
                         ::testing::Values(BounceCase{{"1"}, 1}, BounceCase{{"5"}, 5},
                                           BounceCase{{"10"}, 10}, BounceCase{{" 7"}, 7},
                                           BounceCase{{"7ms"}, 7}, BounceCase{{"\t$A"}, 10},
                                           BounceCase{{"%11"}, 3}, BounceCase{{"0", "2"}, 2},
                                           BounceCase{{"11", "3"}, 3}, BounceCase{{"abc", "4"}, 4},
                                           BounceCase{{"", "6"}, 6}, BounceCase{{"-3", "8"}, 8},
                                           BounceCase{{"99999999999", "9"}, 9},
                                           BounceCase{{"", "0", "11", "x", "-1", "$B", "2"}, 2}));

// --- the evaluation layout -------------------------------------------------

TEST_F(Shell, LeavingTheEvaluationRestoresTheCommandsButNotTheTest) {
    // A chart opened while a test ran: the capture ended with the chart
    // button, the port is still held and the toggle is released.
    fake.lines.usable = {"COM5"};
    fake.lines.openContactPort("COM5");
    fake.lines.setRts(true);
    c.setText(ctl::testToggle, "Prüfung AUSSCHALTEN");
    c.at(ctl::testToggle).state = 1;  // the toggle's state is not this action's
    for (int id : commandControls)
        if (id != ctl::exitButton) c.setEnabled(id, false);
    c.setVisible(ctl::stripScrollArea, false);
    c.setVisible(ctl::runningTimeChartView, true);

    ASSERT_TRUE(dispatchControl(fake.bench, ctl::leaveEvaluationButton));

    for (int id : commandControls) EXPECT_TRUE(enabled(id)) << "command " << id;
    EXPECT_FALSE(visible(ctl::runningTimeChartView));
    EXPECT_FALSE(visible(ctl::pulsePauseChartView));
    EXPECT_TRUE(visible(ctl::stripScrollArea));
    EXPECT_EQ(text(ctl::testToggle), "Prüfung EINSCHALTEN");
    EXPECT_EQ(c.state(ctl::testToggle), 1);
    EXPECT_EQ(fake.lines.openPort, "COM5");
    EXPECT_EQ(fake.lines.closes, 0);
}

// --- the event loop ---------------------------------------------------------

struct LoopCase {
    const char *name;
    std::vector<WE> events;
    bool helpShown;      // did helpButton's action run?
    std::string page;    // the page button's text afterwards
    int eventsConsumed;  // the loop must stop right after the ending event
};

class EventLoop : public Shell, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(EventLoop, RunsEachControlOnceAndEndsOnExitOrClose) {
    std::int32_t at = fake.clock.now();
    for (const WE &e : GetParam().events) fake.events.at(at++, e);

    runEventLoop(fake.bench);

    EXPECT_EQ(visible(ctl::helpPicture), GetParam().helpShown);
    EXPECT_EQ(text(ctl::helpPageButton), GetParam().page);
    EXPECT_EQ(fake.events.waits, GetParam().eventsConsumed);
    for (int limit : fake.events.waitLimits) EXPECT_EQ(limit, -1) << "the idle loop has no limit";
}

const WE close{WE::Kind::Close, 0};
const WE other{WE::Kind::Other, 0};
WE control(int id) {
    return {WE::Kind::Control, id};
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, EventLoop,
    ::testing::Values(
        LoopCase{"HelpThenPageThenClose",
                 {control(ctl::helpButton), other, control(ctl::helpPageButton), close},
                 true,
                 "2/3",
                 4},
        LoopCase{"ControlsWithoutActionAreIgnored",
                 {control(ctl::dialPhotoView), control(ctl::frequencySlider), control(0),
                  control(ctl::helpButton), close},
                 true,
                 "1/3",
                 5},
        LoopCase{
            "ExitEndsAtOnce", {control(ctl::exitButton), control(ctl::helpButton)}, false, "", 1},
        LoopCase{"CloseEndsAtOnce", {close, control(ctl::helpButton)}, false, "", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Shell, OnlyTheExitButtonEndsTheProgram) {
    for (int id : {ctl::helpButton, ctl::helpPageButton, ctl::bounceButton, ctl::printButton,
                   ctl::leaveEvaluationButton, ctl::dialPhotoView, ctl::exitButton}) {
        if (id == ctl::bounceButton) fake.dialogs.inputAnswers.push_back("1");
        EXPECT_EQ(dispatchControl(fake.bench, id), id != ctl::exitButton) << "control " << id;
    }
}

}  // namespace
}  // namespace kvl
