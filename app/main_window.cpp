// Korvalin dial tester - the main window with every control and drawn face.
#include "app/main_window.h"

#include "app/control_catalogue.h"
#include "app/window_pictures.h"
#include "platform/catalogue.h"
#include "reference/dial_table.h"

namespace kvl {

namespace {

void createControl(Controls &controls, const ControlSpec &s) {
    switch (s.kind) {
        case ControlKind::Label:
            controls.createLabel(s.id, s.rect, s.text, s.front, s.back);
            break;
        case ControlKind::Button:
            controls.createButton(s.id, s.rect, s.text);
            break;
        case ControlKind::Toggle:
            controls.createToggle(s.id, s.rect, s.text);
            controls.setState(s.id, 0);
            break;
        case ControlKind::TrackBar:
            controls.createTrackBar(s.id, s.rect, s.minimum, s.maximum, s.value);
            break;
        case ControlKind::ImageView:
            controls.createImageView(s.id, s.rect, s.picture, s.parent);
            break;
        case ControlKind::List:
            controls.createList(s.id, s.rect, s.front.value_or(colours::black),
                                s.back.value_or(colours::white));
            for (const auto &[title, width] : s.columns) controls.addListColumn(s.id, title, width);
            break;
        case ControlKind::ScrollArea:
            controls.createScrollArea(s.id, s.rect, s.innerWidth, s.innerHeight, s.scrollStep);
            break;
    }
    if (!s.toolTip.empty()) controls.setToolTip(s.id, s.toolTip);
    if (!s.visible) controls.setVisible(s.id, false);
    if (!s.enabled) controls.setEnabled(s.id, false);
}

// The faces are drawn just before their views; a face that cannot be made
// leaves its view out and the window goes on without it.
bool drawFaceFor(PictureStore &pictures, int picture) {
    switch (picture) {
        case pic::frequencyGaugeFace:
            return drawFrequencyGaugeFace(pictures);
        case pic::ratioGaugeFace:
            return drawRatioGaugeFace(pictures);
        case pic::digitHintImage:
            return drawDigitHintImage(pictures);
        default:
            return true;
    }
}

bool isDrawnFaceView(const ControlSpec &s) {
    return s.kind == ControlKind::ImageView &&
           (s.id == ctl::frequencyGauge || s.id == ctl::ratioGauge || s.id == ctl::digitHintPanel);
}

// 1 x 1 until the strips (31..40) and the export picture (41) replace them.
void createPlaceholders(PictureStore &pictures) {
    for (int n = pic::stripImage(1); n <= pic::exportImage; ++n) pictures.create(n, 1, 1);
}

}  // namespace

void buildMainWindow(Bench &bench) {
    Controls &controls = bench.platform.controls;
    PictureStore &pictures = bench.platform.pictures;
    controls.createWindow(mainWindowWidth, mainWindowHeight, mainWindowTitle, pic::programIcon);
    for (const ControlSpec &s : mainWindowCatalogue()) {
        if (isDrawnFaceView(s) && !drawFaceFor(pictures, s.picture)) continue;
        if (s.kind == ControlKind::ScrollArea) createPlaceholders(pictures);
        createControl(controls, s);
        if (s.id == ctl::dialTable) fillDialTable(controls);
    }
    drawBlankStrip(pictures);
    controls.showWindow();
}

}  // namespace kvl
