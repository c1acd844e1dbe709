// Korvalin dial tester tests - the order of start-up and shutDown.
#include <gtest/gtest.h>

#include "app/shut_down.h"
#include "app/start_sequence.h"
#include "platform/catalogue.h"
#include "tests/support/fake_platform.h"

namespace kvl {
namespace {

using Log = std::vector<std::string>;

// The fakes, each also writing what happened into one shared log, so that
// the order across facilities can be read.
struct LoggingSystem : test::FakeSystem {
    explicit LoggingSystem(Log &log) : log(log) {}
    bool acquireSingleInstance(const std::string &name) override {
        log.push_back("guard " + name);
        return FakeSystem::acquireSingleInstance(name);
    }
    std::string currentDirectory() override {
        log.push_back("directory");
        return FakeSystem::currentDirectory();
    }
    Log &log;
};

struct LoggingSound : test::FakeSound {
    explicit LoggingSound(Log &log) : log(log) {}
    bool initialise() override {
        log.push_back("sound");
        return FakeSound::initialise();
    }
    void loadClip(int number, std::vector<std::uint8_t> wav) override {
        log.push_back("clip " + std::to_string(number));
        FakeSound::loadClip(number, std::move(wav));
    }
    void shutdown() override {
        log.push_back("sound off");
        FakeSound::shutdown();
    }
    Log &log;
};

struct LoggingControls : test::FakeControls {
    explicit LoggingControls(Log &log) : log(log) {}
    void showWindow() override {
        log.push_back("show");
        FakeControls::showWindow();
    }
    void destroyAll() override {
        log.push_back("controls off");
        FakeControls::destroyAll();
    }
    Log &log;
};

struct LoggingLines : test::FakeLines {
    explicit LoggingLines(Log &log) : log(log) {}
    void closeContactPort() override {
        log.push_back("port off");
        FakeLines::closeContactPort();
    }
    Log &log;
};

struct LoggingPictures : MemoryPictureStore {
    explicit LoggingPictures(Log &log) : log(log) {}
    void clear() override {
        log.push_back("pictures off");
        MemoryPictureStore::clear();
    }
    Log &log;
};

// A clip that tells which number it was made for.
std::vector<std::uint8_t> markedClip(int number) {
    return {static_cast<std::uint8_t>(number), 0x52, 0x49};
}

class StartUp : public ::testing::Test {
protected:
    // Steps that only log, with a look at the state they are called in.
    StartSteps loggingSteps() {
        StartSteps s;
        s.toneClip = markedClip;
        s.loadPictures = [this](PictureStore &) { log.push_back("pictures"); };
        s.discoverPorts = [this](Bench &b) {
            log.push_back("discover");
            b.selectedPort = "COM7";
            windowExistedAtDiscovery = controls.windowShown || !controls.creationOrder.empty();
        };
        s.buildMainWindow = [this](Bench &b) {
            log.push_back("window");
            b.platform.controls.createWindow(1280, 460, "title", pic::programIcon);
        };
        s.showIdealDial = [this](Bench &b) {
            log.push_back("ideal");
            stripSlotAtDemo = b.record.stripSlot;
        };
        return s;
    }

    Log log;
    test::FakePlatform fake;
    LoggingSystem system{log};
    LoggingSound sound{log};
    LoggingControls controls{log};
    LoggingLines lines{log};
    LoggingPictures pictures{log};
    Platform platform{controls, pictures, fake.events, fake.dialogs,
                      sound,    lines,    fake.clock,  system};
    Bench bench{platform, fake.record, fake.history, "", ""};
    bool windowExistedAtDiscovery = true;
    int stripSlotAtDemo = -1;
};

TEST_F(StartUp, RunsItsStepsInOrder) {
    fake.record.stripSlot = 6;
    ASSERT_EQ(startSequence(bench, loggingSteps()), StartOutcome::Running);

    Log expected = {"guard KVL", "sound"};
    for (int clip = 1; clip <= 12; ++clip) expected.push_back("clip " + std::to_string(clip));
    for (const char *step : {"pictures", "directory", "discover", "window", "show", "ideal"})
        expected.push_back(step);
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(windowExistedAtDiscovery) << "discovery's boxes come before the window";
    EXPECT_EQ(stripSlotAtDemo, 0);
    EXPECT_EQ(bench.selectedPort, "COM7");
    EXPECT_TRUE(fake.dialogs.boxes.empty());
}

TEST_F(StartUp, LoadsEveryClipFromTheBuiltInData) {
    startSequence(bench, loggingSteps());
    EXPECT_EQ(fake.record.soundAvailable, 1);
    ASSERT_EQ(sound.clips.size(), 12u);
    for (int clip = 1; clip <= 12; ++clip) EXPECT_EQ(sound.clips[clip], markedClip(clip));
}

TEST_F(StartUp, WithoutSoundNoClipIsLoadedAndStartUpGoesOn) {
    sound.works = false;
    ASSERT_EQ(startSequence(bench, loggingSteps()), StartOutcome::Running);
    EXPECT_EQ(fake.record.soundAvailable, 0);
    EXPECT_TRUE(sound.loadOrder.empty());
    EXPECT_TRUE(fake.dialogs.boxes.empty()) << "no message about sound";
    EXPECT_TRUE(controls.windowShown);
}

TEST_F(StartUp, RecordArraysStartZeroed) {
    fake.record.nsiTimes.fill(17);
    fake.record.nsaTimes.fill(-3);
    fake.record.nsrTimes.fill(9);
    startSequence(bench, loggingSteps());
    for (auto v : fake.record.nsiTimes) EXPECT_EQ(v, 0);
    for (auto v : fake.record.nsaTimes) EXPECT_EQ(v, 0);
    for (auto v : fake.record.nsrTimes) EXPECT_EQ(v, 0);
}

TEST_F(StartUp, StartDirectoryEndsInOneSeparator) {
    const struct {
        const char *directory;
        const char *startDirectory;
    } cases[] = {
        {"/home/user/dials", "/home/user/dials/"},
        {"/home/user/dials/", "/home/user/dials/"},
        {"/", "/"},
        {"", ""},  // unknown: no separator that would make it the root
    };
    for (const auto &c : cases) {
        system.directory = c.directory;
        bench.startDirectory = "stale";
        startSequence(bench, loggingSteps());
        EXPECT_EQ(bench.startDirectory, c.startDirectory) << "\"" << c.directory << "\"";
        EXPECT_EQ(startDirectoryOf(c.directory, '\\'),
                  std::string(c.directory).empty() ? "" : std::string(c.directory) + "\\");
    }
    EXPECT_EQ(startDirectoryOf("C:\\", '\\'), "C:\\");
}

// The program's own steps, as the program runs them.
TEST_F(StartUp, SecondInstanceTellsTheUserAndCreatesNoWindow) {
    system.firstInstance = false;
    ASSERT_EQ(startSequence(bench), StartOutcome::AlreadyRunning);

    ASSERT_EQ(fake.dialogs.boxes.size(), 1u);
    EXPECT_EQ(fake.dialogs.boxes[0].title, "Meldung");
    EXPECT_EQ(fake.dialogs.boxes[0].text, "Das Programm ist schon gestartet !");
    EXPECT_EQ(log, Log{"guard KVL"});
    EXPECT_TRUE(controls.creationOrder.empty());
    EXPECT_FALSE(controls.windowShown);
    EXPECT_TRUE(lines.openAttempts.empty()) << "no port is probed";
    EXPECT_EQ(pictures.find(pic::wiringPicture), nullptr);

    log.clear();
    EXPECT_EQ(shutDown(bench), 0);
    EXPECT_EQ(log, (Log{"sound off", "port off", "controls off", "pictures off"}));
}

TEST_F(StartUp, ShutDownReleasesEverythingInOrder) {
    startSequence(bench, loggingSteps());
    lines.usable = {"COM7"};
    lines.openContactPort("COM7");
    pictures.create(pic::blankStrip, 4, 4);
    fake.record.nsiCount = 12;
    fake.history.setCount = 3;
    log.clear();

    EXPECT_EQ(shutDown(bench), 0);

    EXPECT_EQ(log, (Log{"sound off", "port off", "controls off", "pictures off"}));
    EXPECT_TRUE(lines.openPort.empty());
    EXPECT_TRUE(controls.destroyed);
    EXPECT_EQ(pictures.find(pic::blankStrip), nullptr);
    EXPECT_EQ(fake.record.nsiCount, 0);
    EXPECT_EQ(fake.history.setCount, 0);
}

}  // namespace
}  // namespace kvl
