// Korvalin dial tester tests - scripted fakes of every platform facility.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "measure/bench.h"
#include "platform/platform.h"

namespace kvl::test {

// A clock that moves only when told to, or when the code under test sleeps,
// waits for an event or beeps.
class FakeClock : public Clock {
public:
    std::int32_t tick() override { return m_now; }
    void sleepMs(int ms) override {
        sleeps.push_back(ms);
        advance(ms);
    }
    LocalDateTime localDateTime() override { return dateTime; }

    void advance(int ms) {
        m_now = static_cast<std::int32_t>(static_cast<std::uint32_t>(m_now) +
                                          static_cast<std::uint32_t>(ms));
    }
    void set(std::int32_t now) { m_now = now; }
    std::int32_t now() const { return m_now; }

    std::vector<int> sleeps;
    LocalDateTime dateTime{2026, 12, 11, 9, 5, 7};

private:
    std::int32_t m_now = 100000;
};

// Controls as plain records: what the code under test set is what a test reads.
class FakeControls : public Controls {
public:
    struct Control {
        std::string kind;  // "window", "label", "button", "toggle", "trackbar", "image",
                           // "list", "scroll"
        Rect rect;
        std::string text;
        std::string toolTip;
        std::optional<Rgb> front;
        std::optional<Rgb> back;
        bool visible = true;
        bool enabled = true;
        int state = 0;
        int minimum = 0;
        int maximum = 0;
        int picture = -1;
        int parent = 0;
        int innerWidth = 0;
        int innerHeight = 0;
        int scrollStep = 0;
        int scrollPosition = 0;
        int repaints = 0;
        std::vector<std::pair<std::string, int>> columns;
        std::vector<std::vector<std::string>> rows;
    };

    void createWindow(int w, int h, const std::string &title, int icon) override;
    void createLabel(int id, Rect r, const std::string &text, std::optional<Rgb> front,
                     std::optional<Rgb> back) override;
    void createButton(int id, Rect r, const std::string &text) override;
    void createToggle(int id, Rect r, const std::string &text) override;
    void createTrackBar(int id, Rect r, int minimum, int maximum, int value) override;
    void createImageView(int id, Rect r, int pictureNumber, int parent) override;
    void createList(int id, Rect r, Rgb front, Rgb back) override;
    void addListColumn(int id, const std::string &title, int width) override;
    void createScrollArea(int id, Rect r, int innerWidth, int innerHeight, int step) override;
    void setToolTip(int id, const std::string &text) override;
    void showWindow() override { windowShown = true; }
    void destroyAll() override {
        destroyed = true;
        controls.clear();
    }

    void setVisible(int id, bool visible) override;
    bool isVisible(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void setText(int id, const std::string &text) override;
    std::string text(int id) const override;
    void setState(int id, int state) override;
    int state(int id) const override;
    void setPicture(int viewId, int pictureNumber) override;
    int picture(int viewId) const override;
    void repaintNow(int id) override;
    void setScrollInnerWidth(int id, int width) override;
    int scrollInnerWidth(int id) const override;
    void setScrollPosition(int id, int x) override;
    int scrollPosition(int id) const override;
    void addListRow(int id, const std::vector<std::string> &cells) override;
    int listRowCount(int id) const override;
    int listColumnCount(int id) const override;
    std::string listColumnTitle(int id, int column) const override;
    std::string listCell(int id, int row, int column) const override;

    // The control, created on first use so that logic tests need no window.
    Control &at(int id) { return controls[id]; }
    bool exists(int id) const { return controls.count(id) != 0; }

    std::map<int, Control> controls;
    std::vector<int> creationOrder;
    // Every setPicture call in order: (view, picture).
    std::vector<std::pair<int, int>> pictureLog;
    bool windowShown = false;
    bool destroyed = false;
    // Called whenever a control's state is set (e.g. to watch the toggle).
    std::function<void(int id, int state)> onStateSet;

private:
    const Control *get(int id) const;
    Control &make(int id, const std::string &kind, Rect r);
};

// Events scheduled at fake-clock times. waitEvent(maxMs) delivers the first
// due event, or lets maxMs pass on the clock and delivers what fell due then.
class FakeEvents : public EventSource {
public:
    explicit FakeEvents(FakeClock &clock) : m_clock(clock) {}

    WindowEvent waitEvent() override;
    WindowEvent waitEvent(int maxMs) override;

    // An event that becomes due at the given tick (absolute fake time).
    void at(std::int32_t tick, WindowEvent event);
    // An event due now (the next wait returns it).
    void push(WindowEvent event) { at(m_clock.now(), event); }
    void pushControl(int control) { push({WindowEvent::Kind::Control, control}); }

    // Called before each wait returns; a test can act on the window in it.
    std::function<void(const WindowEvent &)> beforeDelivery;
    int waits = 0;
    std::vector<int> waitLimits;  // -1 for waits without a limit

private:
    FakeClock &m_clock;
    std::multimap<std::int32_t, WindowEvent> m_scheduled;
};

class FakeDialogs : public Dialogs {
public:
    struct Box {
        std::string title;
        std::string text;
    };
    struct Input {
        std::string title;
        std::string prompt;
        std::string defaultText;
    };
    struct Save {
        std::string title;
        std::string defaultPath;
        std::vector<FilePattern> patterns;
        int preselected = -1;
    };

    void messageBox(const std::string &title, const std::string &text) override;
    std::string inputBox(const std::string &title, const std::string &prompt,
                         const std::string &defaultText) override;
    SaveChoice saveDialog(const std::string &title, const std::string &defaultPath,
                          const std::vector<FilePattern> &patterns, int preselected) override;
    std::unique_ptr<PrintJob> printDialog() override;

    std::vector<Box> boxes;
    std::vector<Input> inputs;
    std::vector<Save> saves;
    int printDialogs = 0;

    // Answers of the input box in order; an exhausted script fails the test
    // (it returns "" and records the overrun).
    std::deque<std::string> inputAnswers;
    int inputOverruns = 0;
    std::deque<SaveChoice> saveAnswers;
    // Supplies the print job of the dialog; unset means cancelled.
    std::function<std::unique_ptr<PrintJob>()> printAnswer;
    // Called inside a message box, as if the user looked at the screen then.
    std::function<void(const Box &)> onMessageBox;
};

class FakeSound : public Sound {
public:
    explicit FakeSound(FakeClock *clock = nullptr) : m_clock(clock) {}
    bool initialise() override { return works; }
    void loadClip(int number, std::vector<std::uint8_t> wav) override {
        clips[number] = std::move(wav);
        loadOrder.push_back(number);
    }
    void playClip(int number) override { played.push_back(number); }
    // Holds the caller: moves the fake clock by the duration.
    void beep(int frequencyHz, int durationMs) override {
        beeps.push_back({frequencyHz, durationMs});
        if (m_clock) m_clock->advance(durationMs);
    }
    void shutdown() override { shutDownCalls++; }

    bool works = true;
    std::map<int, std::vector<std::uint8_t>> clips;
    std::vector<int> loadOrder;
    std::vector<int> played;
    std::vector<std::pair<int, int>> beeps;
    int shutDownCalls = 0;

private:
    FakeClock *m_clock;
};

// Lines whose levels a function of the fake time gives (a simulated dial, or
// a test's own script). Ports in `usable` open; RTS must be on for a level.
class FakeLines : public ContactLines {
public:
    bool openContactPort(const std::string &name) override;
    void setRts(bool on) override {
        rts = on;
        rtsCalls.push_back(on);
    }
    int readLine(ModemLine line) override;
    void closeContactPort() override {
        closes++;
        openPort.clear();
    }

    std::set<std::string> usable;
    std::vector<std::string> openAttempts;
    std::string openPort;
    int closes = 0;
    bool rts = false;
    std::vector<bool> rtsCalls;
    std::map<ModemLine, int> reads;
    // Level of a line at the present moment; default: all open.
    std::function<int(ModemLine)> level;
};

class FakeSystem : public System {
public:
    bool acquireSingleInstance(const std::string &name) override {
        guardNames.push_back(name);
        return firstInstance;
    }
    std::string currentDirectory() override { return directory; }
    char pathSeparator() const override { return '/'; }

    bool firstInstance = true;
    std::string directory = "/home/user/dials";
    std::vector<std::string> guardNames;
};

// Every fake wired together, with the two records, as the code under test sees them.
struct FakePlatform {
    FakeClock clock;
    FakeControls controls;
    MemoryPictureStore pictures;
    FakeEvents events{clock};
    FakeDialogs dialogs;
    FakeSound sound{&clock};
    FakeLines lines;
    FakeSystem system;
    Platform platform{controls, pictures, events, dialogs, sound, lines, clock, system};
    PulseRecord record;
    CycleHistory history;
    Bench bench{platform, record, history, "", "/home/user/dials/"};
};

}  // namespace kvl::test
