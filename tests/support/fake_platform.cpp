// Korvalin dial tester tests - scripted fakes of every platform facility.
#include "tests/support/fake_platform.h"

namespace kvl::test {

FakeControls::Control &FakeControls::make(int id, const std::string &kind, Rect r) {
    Control &c = controls[id];
    c.kind = kind;
    c.rect = r;
    creationOrder.push_back(id);
    return c;
}

const FakeControls::Control *FakeControls::get(int id) const {
    auto it = controls.find(id);
    return it == controls.end() ? nullptr : &it->second;
}

void FakeControls::createWindow(int w, int h, const std::string &title, int icon) {
    Control &c = make(-1, "window", Rect{0, 0, w, h});
    c.text = title;
    c.picture = icon;
}

void FakeControls::createLabel(int id, Rect r, const std::string &text, std::optional<Rgb> front,
                               std::optional<Rgb> back) {
    Control &c = make(id, "label", r);
    c.text = text;
    c.front = front;
    c.back = back;
}

void FakeControls::createButton(int id, Rect r, const std::string &text) {
    make(id, "button", r).text = text;
}

void FakeControls::createToggle(int id, Rect r, const std::string &text) {
    make(id, "toggle", r).text = text;
}

void FakeControls::createTrackBar(int id, Rect r, int minimum, int maximum, int value) {
    Control &c = make(id, "trackbar", r);
    c.minimum = minimum;
    c.maximum = maximum;
    c.state = value;
}

void FakeControls::createImageView(int id, Rect r, int pictureNumber, int parent) {
    Control &c = make(id, "image", r);
    c.picture = pictureNumber;
    c.parent = parent;
}

void FakeControls::createList(int id, Rect r, Rgb front, Rgb back) {
    Control &c = make(id, "list", r);
    c.front = front;
    c.back = back;
}

void FakeControls::addListColumn(int id, const std::string &title, int width) {
    controls[id].columns.emplace_back(title, width);
}

void FakeControls::createScrollArea(int id, Rect r, int innerWidth, int innerHeight, int step) {
    Control &c = make(id, "scroll", r);
    c.innerWidth = innerWidth;
    c.innerHeight = innerHeight;
    c.scrollStep = step;
}

void FakeControls::setToolTip(int id, const std::string &text) {
    controls[id].toolTip = text;
}
void FakeControls::setVisible(int id, bool visible) {
    controls[id].visible = visible;
}
bool FakeControls::isVisible(int id) const {
    const Control *c = get(id);
    return c && c->visible;
}
void FakeControls::setEnabled(int id, bool enabled) {
    controls[id].enabled = enabled;
}
bool FakeControls::isEnabled(int id) const {
    const Control *c = get(id);
    return c && c->enabled;
}
void FakeControls::setText(int id, const std::string &text) {
    controls[id].text = text;
}
std::string FakeControls::text(int id) const {
    const Control *c = get(id);
    return c ? c->text : std::string();
}
void FakeControls::setState(int id, int state) {
    controls[id].state = state;
    if (onStateSet) onStateSet(id, state);
}
int FakeControls::state(int id) const {
    const Control *c = get(id);
    return c ? c->state : 0;
}
void FakeControls::setPicture(int viewId, int pictureNumber) {
    controls[viewId].picture = pictureNumber;
    pictureLog.emplace_back(viewId, pictureNumber);
}
int FakeControls::picture(int viewId) const {
    const Control *c = get(viewId);
    return c ? c->picture : -1;
}
void FakeControls::repaintNow(int id) {
    controls[id].repaints++;
}
void FakeControls::setScrollInnerWidth(int id, int width) {
    controls[id].innerWidth = width;
}
int FakeControls::scrollInnerWidth(int id) const {
    const Control *c = get(id);
    return c ? c->innerWidth : 0;
}
void FakeControls::setScrollPosition(int id, int x) {
    controls[id].scrollPosition = x;
}
int FakeControls::scrollPosition(int id) const {
    const Control *c = get(id);
    return c ? c->scrollPosition : 0;
}
void FakeControls::addListRow(int id, const std::vector<std::string> &cells) {
    controls[id].rows.push_back(cells);
}
int FakeControls::listRowCount(int id) const {
    const Control *c = get(id);
    return c ? static_cast<int>(c->rows.size()) : 0;
}
int FakeControls::listColumnCount(int id) const {
    const Control *c = get(id);
    return c ? static_cast<int>(c->columns.size()) : 0;
}
std::string FakeControls::listColumnTitle(int id, int column) const {
    const Control *c = get(id);
    if (!c || column < 0 || column >= static_cast<int>(c->columns.size())) return {};
    return c->columns[column].first;
}
std::string FakeControls::listCell(int id, int row, int column) const {
    const Control *c = get(id);
    if (!c || row < 0 || row >= static_cast<int>(c->rows.size())) return {};
    const auto &cells = c->rows[row];
    if (column < 0 || column >= static_cast<int>(cells.size())) return {};
    return cells[column];
}

void FakeEvents::at(std::int32_t tick, WindowEvent event) {
    m_scheduled.emplace(tick, event);
}

WindowEvent FakeEvents::waitEvent() {
    waits++;
    waitLimits.push_back(-1);
    WindowEvent e;
    if (!m_scheduled.empty()) {
        auto it = m_scheduled.begin();
        if (tickDiff(it->first, m_clock.now()) > 0) m_clock.set(it->first);
        e = it->second;
        m_scheduled.erase(it);
    } else {
        // Nothing is scripted any more: behave as a close request so that a
        // test of the event loop cannot hang.
        e.kind = WindowEvent::Kind::Close;
    }
    if (beforeDelivery) beforeDelivery(e);
    return e;
}

WindowEvent FakeEvents::waitEvent(int maxMs) {
    waits++;
    waitLimits.push_back(maxMs);
    WindowEvent e;
    // Added without signed overflow: the fake clock may be set just before the wrap.
    const std::int32_t deadline = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(m_clock.now()) + static_cast<std::uint32_t>(maxMs));
    if (!m_scheduled.empty() && tickDiff(m_scheduled.begin()->first, deadline) <= 0) {
        auto it = m_scheduled.begin();
        if (tickDiff(it->first, m_clock.now()) > 0) m_clock.set(it->first);
        e = it->second;
        m_scheduled.erase(it);
    } else {
        m_clock.advance(maxMs);
    }
    if (beforeDelivery) beforeDelivery(e);
    return e;
}

void FakeDialogs::messageBox(const std::string &title, const std::string &text) {
    boxes.push_back({title, text});
    if (onMessageBox) onMessageBox(boxes.back());
}

std::string FakeDialogs::inputBox(const std::string &title, const std::string &prompt,
                                  const std::string &defaultText) {
    inputs.push_back({title, prompt, defaultText});
    if (inputAnswers.empty()) {
        inputOverruns++;
        // A box that insists on an answer would ask forever when a test
        // scripted too few: stop the test program instead of hanging.
        if (inputOverruns > 1000) std::abort();
        return {};
    }
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

SaveChoice FakeDialogs::saveDialog(const std::string &title, const std::string &defaultPath,
                                   const std::vector<FilePattern> &patterns, int preselected) {
    saves.push_back({title, defaultPath, patterns, preselected});
    if (saveAnswers.empty()) return {};
    SaveChoice c = saveAnswers.front();
    saveAnswers.pop_front();
    return c;
}

std::unique_ptr<PrintJob> FakeDialogs::printDialog() {
    printDialogs++;
    return printAnswer ? printAnswer() : nullptr;
}

bool FakeLines::openContactPort(const std::string &name) {
    openAttempts.push_back(name);
    if (!openPort.empty() || usable.count(name) == 0) return false;
    openPort = name;
    return true;
}

int FakeLines::readLine(ModemLine line) {
    reads[line]++;
    if (openPort.empty() || !rts || !level) return 0;
    return level(line) ? 1 : 0;
}

}  // namespace kvl::test
