// Korvalin dial tester - the window and its controls as Qt widgets.
#pragma once

#include <functional>
#include <memory>

#include "platform/controls.h"
#include "platform/events.h"
#include "platform/picture.h"

class QWidget;

namespace kvl {

class QtControls : public Controls {
public:
    explicit QtControls(PictureStore &pictures);
    ~QtControls() override;

    void createWindow(int clientWidth, int clientHeight, const std::string &title,
                      int iconPicture) override;
    void createLabel(int id, Rect r, const std::string &text, std::optional<Rgb> front,
                     std::optional<Rgb> back) override;
    void createButton(int id, Rect r, const std::string &text) override;
    void createToggle(int id, Rect r, const std::string &text) override;
    void createTrackBar(int id, Rect r, int minimum, int maximum, int value) override;
    void createImageView(int id, Rect r, int pictureNumber, int parent) override;
    void createList(int id, Rect r, Rgb front, Rgb back) override;
    void addListColumn(int id, const std::string &title, int width) override;
    void createScrollArea(int id, Rect r, int innerWidth, int innerHeight,
                          int scrollStep) override;
    void setToolTip(int id, const std::string &text) override;
    void showWindow() override;
    void destroyAll() override;

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

    // The top-level window (nullptr before createWindow) and a control's widget.
    QWidget *window() const;
    QWidget *widget(int id) const;
    // Receives every control event and the window's close request as they happen.
    void setEventSink(std::function<void(const WindowEvent &)> sink);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kvl
