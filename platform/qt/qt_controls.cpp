// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/qt_controls.h"

namespace kvl {

struct QtControls::Impl {};
QtControls::QtControls(PictureStore &) : d(std::make_unique<Impl>()) {}
QtControls::~QtControls() = default;
void QtControls::createWindow(int, int, const std::string &, int) {}
void QtControls::createLabel(int, Rect, const std::string &, std::optional<Rgb>,
                             std::optional<Rgb>) {}
void QtControls::createButton(int, Rect, const std::string &) {}
void QtControls::createToggle(int, Rect, const std::string &) {}
void QtControls::createTrackBar(int, Rect, int, int, int) {}
void QtControls::createImageView(int, Rect, int, int) {}
void QtControls::createList(int, Rect, Rgb, Rgb) {}
void QtControls::addListColumn(int, const std::string &, int) {}
void QtControls::createScrollArea(int, Rect, int, int, int) {}
void QtControls::setToolTip(int, const std::string &) {}
void QtControls::showWindow() {}
void QtControls::destroyAll() {}
void QtControls::setVisible(int, bool) {}
bool QtControls::isVisible(int) const { return false; }
void QtControls::setEnabled(int, bool) {}
bool QtControls::isEnabled(int) const { return false; }
void QtControls::setText(int, const std::string &) {}
std::string QtControls::text(int) const { return {}; }
void QtControls::setState(int, int) {}
int QtControls::state(int) const { return 0; }
void QtControls::setPicture(int, int) {}
int QtControls::picture(int) const { return -1; }
void QtControls::repaintNow(int) {}
void QtControls::setScrollInnerWidth(int, int) {}
int QtControls::scrollInnerWidth(int) const { return 0; }
void QtControls::setScrollPosition(int, int) {}
int QtControls::scrollPosition(int) const { return 0; }
void QtControls::addListRow(int, const std::vector<std::string> &) {}
int QtControls::listRowCount(int) const { return 0; }
int QtControls::listColumnCount(int) const { return 0; }
std::string QtControls::listColumnTitle(int, int) const { return {}; }
std::string QtControls::listCell(int, int, int) const { return {}; }
QWidget *QtControls::window() const { return nullptr; }
QWidget *QtControls::widget(int) const { return nullptr; }
void QtControls::setEventSink(std::function<void(const WindowEvent &)>) {}

}  // namespace kvl
