// Korvalin dial tester - the window's controls, addressed by their number.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/colour.h"

namespace kvl {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Creation is used once, by buildMainWindow; everything else afterwards only
// shows, hides, enables, disables or gives new texts, states and pictures.
// Unknown numbers are ignored (setters) or read as empty / 0 (getters).
class Controls {
public:
    virtual ~Controls() = default;

    // --- creation -------------------------------------------------------
    // The one top-level window: fixed client size, centred, not resizable.
    virtual void createWindow(int clientWidth, int clientHeight, const std::string &title,
                              int iconPicture) = 0;
    virtual void createLabel(int id, Rect r, const std::string &text, std::optional<Rgb> front,
                             std::optional<Rgb> back) = 0;
    virtual void createButton(int id, Rect r, const std::string &text) = 0;
    // A push button that stays pressed until pressed again; state 1 when pressed.
    virtual void createToggle(int id, Rect r, const std::string &text) = 0;
    // Horizontal, a tick mark at every value.
    virtual void createTrackBar(int id, Rect r, int minimum, int maximum, int value) = 0;
    // Shows one picture at its natural size; the view takes the picture's size.
    // parent 0 is the window, otherwise the number of a scroll area.
    virtual void createImageView(int id, Rect r, int pictureNumber, int parent = 0) = 0;
    // Report style, single selection, grid lines.
    virtual void createList(int id, Rect r, Rgb front, Rgb back) = 0;
    virtual void addListColumn(int id, const std::string &title, int width) = 0;
    // Borderless viewport onto a larger inner area.
    virtual void createScrollArea(int id, Rect r, int innerWidth, int innerHeight,
                                  int scrollStep) = 0;
    virtual void setToolTip(int id, const std::string &text) = 0;
    virtual void showWindow() = 0;
    // Releases every control and the window (shutDown).
    virtual void destroyAll() = 0;

    // --- operations -----------------------------------------------------
    virtual void setVisible(int id, bool visible) = 0;
    virtual bool isVisible(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void setText(int id, const std::string &text) = 0;
    virtual std::string text(int id) const = 0;
    // Toggle: 1 pressed, 0 released. Track bar: its position.
    virtual void setState(int id, int state) = 0;
    virtual int state(int id) const = 0;
    // The view shows picture `pictureNumber` of the picture store as it is now.
    virtual void setPicture(int viewId, int pictureNumber) = 0;
    virtual int picture(int viewId) const = 0;
    // Repaints one control at once, without waiting for window events.
    virtual void repaintNow(int id) = 0;
    virtual void setScrollInnerWidth(int id, int width) = 0;
    virtual int scrollInnerWidth(int id) const = 0;
    virtual void setScrollPosition(int id, int x) = 0;
    virtual int scrollPosition(int id) const = 0;
    virtual void addListRow(int id, const std::vector<std::string> &cells) = 0;
    virtual int listRowCount(int id) const = 0;
    virtual int listColumnCount(int id) const = 0;
    virtual std::string listColumnTitle(int id, int column) const = 0;
    virtual std::string listCell(int id, int row, int column) const = 0;
};

}  // namespace kvl
