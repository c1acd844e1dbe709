// Korvalin dial tester tests - the main window as buildMainWindow makes it on
// the real Qt controls: every control where the user expects it, the drawn
// faces, the stacking and the state after start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QTableWidget>
#include <QWidget>
#include <map>

#include "app/main_window.h"
#include "platform/catalogue.h"
#include "tests/support/qt_window.h"

namespace kvl {
namespace {

using test::countNear;
using test::rgbAt;

struct Expected {
    int id;
    const char *kind;  // "label", "button", "toggle", "trackbar", "image", "list", "scroll"
    Rect rect;         // as shown: image views take their picture's size
    std::string text;
    std::optional<Rgb> front;
    std::optional<Rgb> back;
    std::string toolTip;
    bool visible = true;
    bool enabled = true;
};

constexpr Rgb grey{128, 128, 128};
// The credit line's wording is free; it must only be there.
const std::string anyText = "(any text)";
constexpr Rgb frame{128, 128, 118};

// The catalogue as the user should find it, written out independently of the
// code's own table.
std::vector<Expected> expectedControls() {
    std::vector<Expected> e = {
        {4, "trackbar", {30, 90, 240, 30}, "", {}, {}, "Norm ist 10Hz (Toleranz 9,1 - 11,1Hz)"},
        {5, "label", {30, 120, 115, 20}, "   7          8          9"},
        {6, "label", {144, 120, 25, 20}, "10", Rgb{255, 0, 0}},
        {7, "label", {170, 120, 100, 20}, "   11        12        13"},
        {8, "label", {125, 161, 30, 15}, "0,0", Rgb{0, 0, 255}, Rgb{255, 255, 255}},
        {0, "image", {10, 10, 280, 200}},
        {10,
         "trackbar",
         {550, 90, 240, 30},
         "",
         {},
         {},
         "Norm ist 1:1,6 nsi 37,5% zu (Toleranz 1:1,3 - 1:1,9 nsi 23,2 - 47,4% zu)"},
        {11, "label", {550, 120, 85, 20}, "     0   10   20   30"},
        {12, "label", {637, 120, 20, 20}, "  40", Rgb{255, 0, 0}},
        {13, "label", {658, 120, 130, 20}, "  50   60   70   80   90   100"},
        {14, "label", {595, 161, 20, 15}, "0", Rgb{0, 0, 255}, Rgb{255, 255, 255}},
        {1, "image", {530, 10, 280, 200}},
        {2,
         "image",
         {390, 110, 104, 100},
         "",
         {},
         {},
         "1 ist keine vollständige Periode deshalb ungeeignet"},
        {8000, "image", {850, 10, 200, 200}},
        {1011, "image", {370, 13, 16, 16}},
        {1012, "image", {370, 33, 16, 16}},
        {2011, "label", {390, 13, 20, 20}, "11"},
        {2012, "label", {390, 33, 20, 20}, "12"},
        {3003, "image", {450, 13, 16, 16}},
        {3002, "image", {450, 33, 16, 16}},
        {3001, "image", {450, 53, 16, 16}},
        {4003, "label", {470, 13, 20, 20}, "nsi"},
        {4002, "label", {470, 33, 20, 20}, "nsr"},
        {4001, "label", {470, 53, 20, 20}, "nsa"},
        {16, "label", {0, 0, 4, 460}, "", {}, grey},
        {17, "label", {1276, 0, 4, 460}, "", {}, grey},
        {18, "label", {0, 0, 1276, 4}, "", {}, frame},
        {19, "label", {0, 456, 1276, 4}, "", {}, frame},
        {100, "toggle", {1110, 10, 160, 25}, "Prüfung EINSCHALTEN"},
        {110, "button", {1110, 45, 160, 25}, "Idealer Nummernschalter"},
        {120, "button", {1110, 80, 160, 25}, "Druck Prüfstreifen"},
        {130, "button", {1110, 115, 160, 25}, "Speichern Prüfstreifen BMP/JPG"},
        {140, "button", {1110, 150, 160, 25}, "Hilfe COM und Programm"},
        {150, "button", {1110, 185, 160, 25}, "Programm Ende"},
        {160, "button", {1065, 10, 32, 25}, "EP1", {}, {}, "Nur zur Fehlereingrenzung nsi !"},
        {5040, "label", {1065, 8, 32, 2}, "", {}, frame},
        {5041, "label", {1065, 35, 32, 2}, "", {}, frame},
        {5042, "label", {1063, 8, 2, 29}, "", {}, frame},
        {5043, "label", {1097, 8, 2, 29}, "", {}, frame},
        {15, "label", {1190, 440, 80, 12}, anyText, Rgb{128, 128, 236}},
        {172, "scroll", {10, 240, 1260, 175}},
        {907, "list", {10, 225, 1200, 205}, "", Rgb{2, 2, 242}, Rgb{215, 215, 226}, "", false},
        {173, "image", {10, 225, 1200, 200}, "", {}, {}, "", false},
        {905, "button", {1220, 400, 25, 25}, "", {}, {}, "", false},
        {815, "image", {10, 225, 1200, 200}, "", {}, {}, "", false},
        {816, "image", {10, 225, 1200, 200}, "", {}, {}, "", false},
        {810,
         "label",
         {25, 427, 280, 18},
         "Auswertung nach 10 Prüfzyklen Wahl gleicher Ziffer >>>",
         {},
         {},
         "",
         true,
         false},
        {811,
         "button",
         {310, 422, 160, 20},
         "Änderungen der rel. Laufzeit",
         {},
         {},
         "",
         true,
         false},
        {812, "button", {540, 422, 160, 20}, "Impuls/Pausenzeiten nsi", {}, {}, "", true, false},
        {814, "button", {948, 422, 160, 20}, "Verlassen der Auswertung", {}, {}, "", true, false},
    };
    for (int n = 1; n <= 10; ++n) {
        const int y = 13 + 20 * (10 - n);
        e.push_back({1000 + n, "image", {320, y, 16, 16}});
        e.push_back({2000 + n, "label", {340, y, 20, 20}, n < 10 ? " " + std::to_string(n) : "10"});
        e.push_back({30 + n, "image", {(n - 1) * 1450, 0, 1, 1}});
    }
    for (int k = 0; k <= 5; ++k) {
        e.push_back({5000 + k, "label", {1110, 8 + 35 * k, 160, 2}, "", {}, frame});
        e.push_back({5010 + k, "label", {1110, 35 + 35 * k, 160, 2}, "", {}, frame});
        e.push_back({5020 + k, "label", {1108, 8 + 35 * k, 2, 29}, "", {}, grey});
        e.push_back({5030 + k, "label", {1270, 8 + 35 * k, 2, 29}, "", {}, grey});
    }
    const Rect evaluationBars[] = {{308, 420, 162, 2}, {539, 420, 162, 2}, {947, 420, 162, 2},
                                   {308, 442, 162, 2}, {539, 442, 162, 2}, {946, 442, 162, 2},
                                   {308, 420, 2, 24},  {538, 420, 2, 24},  {946, 420, 2, 24},
                                   {470, 420, 2, 24},  {700, 420, 2, 24},  {1108, 420, 2, 24}};
    for (int i = 0; i < 12; ++i) e.push_back({5050 + i, "label", evaluationBars[i], "", {}, frame});
    return e;
}

std::string kindOf(QWidget *w) {
    if (auto *b = qobject_cast<QPushButton *>(w)) return b->isCheckable() ? "toggle" : "button";
    if (auto *s = qobject_cast<QSlider *>(w)) {
        if (s->orientation() != Qt::Horizontal || s->tickInterval() != 1 ||
            s->tickPosition() == QSlider::NoTicks)
            return "slider without a tick at every value";
        return "trackbar";
    }
    if (qobject_cast<QTableWidget *>(w)) return "list";
    if (qobject_cast<QScrollArea *>(w)) return "scroll";
    if (auto *l = qobject_cast<QLabel *>(w)) return l->pixmap().isNull() ? "label" : "image";
    return "other";
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        test::putStandInPictures(store);
        buildMainWindow(window.bench);
        QApplication::processEvents();
    }
    QWidget *widget(int id) { return window.controls.widget(id); }
    QImage grab() { return test::grabWindow(window.controls); }

    MemoryPictureStore store;
    test::QtWindowBench window{store};
};

TEST_F(MainWindowTest, EveryControlHasItsKindPlaceTextColoursToolTipAndState) {
    const std::vector<Expected> expected = expectedControls();
    // No control more than these: all but the strip views stand directly in the window.
    EXPECT_EQ(window.controls.window()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(),
              static_cast<qsizetype>(expected.size() - 10));
    // Colours are looked at as drawn: the controls shown in the measurement
    // layout on this grab, the hidden list on its own.
    const QImage shown = grab();
    for (const Expected &e : expected) {
        SCOPED_TRACE("control " + std::to_string(e.id));
        QWidget *w = widget(e.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(kindOf(w), e.kind);
        EXPECT_EQ(w->geometry(), QRect(e.rect.x, e.rect.y, e.rect.width, e.rect.height));
        if (e.text == anyText)
            EXPECT_FALSE(window.controls.text(e.id).empty());
        else
            EXPECT_EQ(window.controls.text(e.id), e.text);
        EXPECT_EQ(w->toolTip().toStdString(), e.toolTip);
        EXPECT_EQ(window.controls.isVisible(e.id), e.visible);
        EXPECT_EQ(window.controls.isEnabled(e.id), e.enabled);
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull()) {
            const QPoint at = w->mapTo(window.controls.window(), QPoint(0, 0));
            const Rect r{at.x(), at.y(), w->width(), w->height()};
            if (e.back) {
                EXPECT_GT(countNear(shown, r, *e.back, 0), r.width * r.height / 2)
                    << "back colour fills the label";
            }
            if (e.front) {
                EXPECT_GT(countNear(shown, r, *e.front, 40), 3) << "text in its front colour";
            } else if (!e.text.empty() && e.enabled) {
                EXPECT_GT(countNear(shown, r, colours::black, 60), 3) << "text in black";
            }
        }
    }
    auto *table = qobject_cast<QTableWidget *>(widget(ctl::dialTable));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->palette().color(QPalette::Base), QColor(215, 215, 226));
    EXPECT_EQ(table->palette().color(QPalette::Text), QColor(2, 2, 242));
}

TEST_F(MainWindowTest, DisabledLabelIsGreyedNotBlack) {
    const QImage shown = grab();
    const Rect label{25, 427, 280, 18};
    EXPECT_EQ(countNear(shown, label, colours::black, 60), 0);
    EXPECT_GT(countNear(shown, label, colours::white, 250), 0);
}

TEST_F(MainWindowTest, DialTableHasItsSevenColumnsWithTitlesAndWidths) {
    const std::vector<std::pair<std::string, int>> columns = {
        {"Fernsprechapparat/Nummernschalter", 300},
        {"Hersteller", 200},
        {"nsi", 50},
        {"nsr", 50},
        {"nsa", 50},
        {"RTS", 100},
        {"Bemerkungen und Besonderheiten", 430}};
    ASSERT_EQ(window.controls.listColumnCount(ctl::dialTable), 7);
    auto *table = qobject_cast<QTableWidget *>(widget(ctl::dialTable));
    ASSERT_NE(table, nullptr);
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(window.controls.listColumnTitle(ctl::dialTable, c), columns[c].first);
        EXPECT_EQ(table->columnWidth(c), columns[c].second) << columns[c].first;
    }
}

TEST_F(MainWindowTest, WindowIsFixedAtItsClientSizeWithTitleAndIcon) {
    QWidget *w = window.controls.window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->size(), QSize(1280, 460));
    EXPECT_EQ(w->minimumSize(), QSize(1280, 460));
    EXPECT_EQ(w->maximumSize(), QSize(1280, 460));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w->isMaximized());
    EXPECT_EQ(w->windowTitle().toStdString(),
              "Prüfen und Einstellen mechanischer Nummernschalter V1.3.3   "
              "(Bildschirmauflösung 1280x600 oder höher)");
    EXPECT_FALSE(w->windowIcon().isNull());
    w->resize(1400, 600);
    w->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(1280, 460));
}

TEST_F(MainWindowTest, WindowIsCentredOnTheScreen) {
    // An outer size beyond the screen counts as the screen's size, so a window
    // wider than a small screen starts at its left edge.
    QWidget *w = window.controls.window();
    const QRect screen = w->screen()->geometry();
    const QSize outer = w->frameGeometry().size().boundedTo(screen.size());
    EXPECT_EQ(w->frameGeometry().left(), screen.left() + (screen.width() - outer.width()) / 2);
    EXPECT_EQ(w->frameGeometry().top(), screen.top() + (screen.height() - outer.height()) / 2);
}

TEST_F(MainWindowTest, SlidersScalesAndReadoutsStandInFrontOfTheGaugeFaces) {
    QWidget *w = window.controls.window();
    for (int id : {ctl::frequencySlider, ctl::frequencyScaleLabel7to9, ctl::frequencyScaleLabel10,
                   ctl::frequencyReadout, ctl::ratioSlider, ctl::ratioScaleLabel40,
                   ctl::ratioScaleLabel50to100, ctl::ratioReadout}) {
        QWidget *control = widget(id);
        const QWidget *top = w->childAt(control->geometry().center());
        EXPECT_TRUE(top == control || control->isAncestorOf(top)) << "control " << id;
    }
    // ... and the readout is drawn over the face: white back, blue figures.
    const QImage shown = grab();
    EXPECT_GT(countNear(shown, {125, 161, 30, 15}, {0, 0, 255}, 60), 3);
    EXPECT_GT(countNear(shown, {595, 161, 20, 15}, {0, 0, 255}, 60), 3);
}

TEST_F(MainWindowTest, GaugeFacesShowRimCornersScrewsAndTexts) {
    const QImage shown = grab();
    for (int gaugeX : {10, 530}) {
        SCOPED_TRACE("gauge at x " + std::to_string(gaugeX));
        auto at = [&](int x, int y) { return rgbAt(shown, gaugeX + x, 10 + y); };
        EXPECT_EQ(at(0, 0), colours::white) << "corner outside the rounded rim";
        EXPECT_EQ(at(279, 199), colours::white);
        EXPECT_EQ(at(0, 100), colours::black) << "rim";
        EXPECT_EQ(at(4, 100), colours::black);
        EXPECT_EQ(at(140, 2), colours::black);
        EXPECT_EQ(at(140, 197), colours::black);
        EXPECT_EQ(at(5, 100), colours::white) << "face inside the 5 pixel rim";
        for (auto [x, y] : {std::pair{10, 10}, {11, 189}, {268, 9}, {268, 189}}) {
            EXPECT_EQ(at(x, y), colours::black) << "screw at " << x << "," << y;
            const int inward = 4;  // diagonal, just outside a disc of radius 3
            EXPECT_EQ(at(x + (x < 140 ? inward : -inward), y + (y < 100 ? inward : -inward)),
                      colours::white)
                << "screw of radius 3 at " << x << "," << y;
        }
    }
    // The titles stand at their places on the faces.
    EXPECT_GT(countNear(shown, {10 + 90, 10 + 30, 110, 16}, colours::black, 0), 20);
    EXPECT_GT(countNear(shown, {10 + 145, 10 + 150, 20, 16}, colours::black, 0), 5);
    EXPECT_GT(countNear(shown, {530 + 60, 10 + 30, 160, 16}, colours::black, 0), 20);
    EXPECT_GT(countNear(shown, {530 + 90, 10 + 150, 120, 16}, colours::black, 0), 20);
}

TEST_F(MainWindowTest, DigitHintAndBlankStripAreDrawn) {
    const QImage shown = grab();
    EXPECT_EQ(rgbAt(shown, 390 + 50, 110 + 95), (Rgb{255, 40, 0}));
    EXPECT_EQ(rgbAt(shown, 390, 110), colours::white) << "rounded corner";
    EXPECT_GT(countNear(shown, {390 + 14, 110 + 10, 80, 16}, colours::black, 0), 20);

    const Picture *blank = store.find(pic::blankStrip);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(blank->width(), 1400);
    EXPECT_EQ(blank->height(), 150);
    EXPECT_EQ(blank->pixel(5, 5), colours::chartBackground);
    int textPixels = 0;
    for (int y = 30; y < 130; ++y)
        for (int x = 220; x < 1400; ++x)
            textPixels += blank->pixel(x, y) == colours::coarseGridColour;
    EXPECT_GT(textPixels, 1000) << "the large text of font 0";
    for (int n = 31; n <= 41; ++n) {
        const Picture *p = store.find(n);
        ASSERT_NE(p, nullptr) << "placeholder " << n;
        EXPECT_EQ(p->width(), 1);
        EXPECT_EQ(p->height(), 1);
    }
}

TEST_F(MainWindowTest, LampsShowTheWindowThroughTheirTransparentCorners) {
    const QImage shown = grab();
    const Rgb background = rgbAt(shown, 330, 225);
    EXPECT_EQ(rgbAt(shown, 320, 13), background) << "corner of lamp 10";
    EXPECT_EQ(rgbAt(shown, 320 + 7, 13 + 7), (Rgb{0, 91, 91}));
    EXPECT_EQ(rgbAt(shown, 370 + 7, 13 + 7), (Rgb{128, 0, 0}));
    EXPECT_EQ(rgbAt(shown, 450 + 7, 53 + 7), (Rgb{170, 170, 0}));
}

TEST_F(MainWindowTest, OnlyTheFirstStripViewLiesInTheInnerAreaUntilItGrows) {
    Picture strip(1400, 150);
    strip.fillBox(0, 0, 1400, 150, colours::red);
    store.put(pic::stripImage(2), strip);
    window.controls.setPicture(ctl::stripView(2), pic::stripImage(2));
    QApplication::processEvents();
    EXPECT_EQ(widget(ctl::stripView(2))->size(), QSize(1400, 150));
    EXPECT_TRUE(widget(ctl::stripView(2))->visibleRegion().isEmpty());

    window.controls.setScrollInnerWidth(ctl::stripScrollArea, 2900);
    window.controls.setScrollPosition(ctl::stripScrollArea, 1450);
    QApplication::processEvents();
    EXPECT_EQ(window.controls.scrollPosition(ctl::stripScrollArea), 1450);
    EXPECT_EQ(rgbAt(grab(), 100, 300), colours::red);
}

// A face that cannot be made leaves its view out; everything else is there.
TEST(MainWindowFailures, FaceThatCannotBeCreatedLeavesItsViewOut) {
    test::RefusingPictureStore store;
    test::putStandInPictures(store);
    store.refused = [](int n) { return n == pic::frequencyGaugeFace || n == pic::digitHintImage; };
    test::QtWindowBench window(store);
    buildMainWindow(window.bench);
    EXPECT_EQ(window.controls.widget(ctl::frequencyGauge), nullptr);
    EXPECT_EQ(window.controls.widget(ctl::digitHintPanel), nullptr);
    ASSERT_NE(window.controls.widget(ctl::ratioGauge), nullptr);
    EXPECT_EQ(window.controls.widget(ctl::ratioGauge)->size(), QSize(280, 200));
    EXPECT_NE(window.controls.widget(ctl::frequencySlider), nullptr);
    EXPECT_EQ(window.controls.text(ctl::testToggle), "Prüfung EINSCHALTEN");
}

TEST(MainWindowFailures, MissingBuiltInPicturesLeaveEmptyViewsOfTheCreatedSize) {
    MemoryPictureStore store;  // no lamps, photo or help pictures
    test::QtWindowBench window(store);
    buildMainWindow(window.bench);
    QApplication::processEvents();
    ASSERT_NE(window.controls.widget(ctl::digitLamp(1)), nullptr);
    EXPECT_EQ(window.controls.widget(ctl::digitLamp(1))->size(), QSize(10, 10));
    EXPECT_EQ(window.controls.widget(ctl::dialPhotoView)->size(), QSize(100, 100));
    EXPECT_EQ(window.controls.picture(ctl::digitLamp(1)), pic::digitLampOff);
    // The lamp comes as soon as its picture is there.
    test::putStandInPictures(store);
    window.controls.setPicture(ctl::digitLamp(1), pic::digitLampOn);
    EXPECT_EQ(window.controls.widget(ctl::digitLamp(1))->size(), QSize(16, 16));
}

TEST_F(MainWindowTest, StartsInTheMeasurementLayout) {
    for (int id : {ctl::stripScrollArea, ctl::creditLabel, ctl::tenCycleLabel,
                   ctl::runningTimeButton, ctl::pulsePauseButton, ctl::leaveEvaluationButton})
        EXPECT_TRUE(window.controls.isVisible(id)) << id;
    for (int id = ctl::firstEvaluationFrameBar; id <= ctl::lastEvaluationFrameBar; ++id)
        EXPECT_TRUE(window.controls.isVisible(id)) << id;
    for (int id : {ctl::helpPicture, ctl::helpPageButton, ctl::dialTable, ctl::runningTimeChartView,
                   ctl::pulsePauseChartView})
        EXPECT_FALSE(window.controls.isVisible(id)) << id;
    for (int id : {ctl::testToggle, ctl::idealDialButton, ctl::printButton, ctl::saveButton,
                   ctl::helpButton, ctl::exitButton, ctl::bounceButton})
        EXPECT_TRUE(window.controls.isEnabled(id)) << id;
    EXPECT_EQ(window.controls.state(ctl::testToggle), 0);
    EXPECT_EQ(window.controls.state(ctl::frequencySlider), 14);
    EXPECT_EQ(window.controls.state(ctl::ratioSlider), 0);
    EXPECT_EQ(window.controls.text(ctl::helpPageButton), "");
    EXPECT_EQ(window.controls.scrollInnerWidth(ctl::stripScrollArea), 1400);
    const std::string credit = window.controls.text(ctl::creditLabel);
    EXPECT_FALSE(credit.empty());
    const QImage shown = grab();
    EXPECT_GT(countNear(shown, {1190, 440, 80, 12}, {128, 128, 236}, 40), 3) << "credit line";
}

TEST_F(MainWindowTest, EveryTextFitsItsControl) {
    // A text cut off at the control's edge is what a user of a fixed layout
    // sees first: every label and button text must fit the room it is given.
    for (const Expected &e : expectedControls()) {
        if (e.text.empty()) continue;
        QWidget *w = widget(e.id);
        const QFontMetrics fm(w->font());
        const int room = qobject_cast<QPushButton *>(w) ? w->width() - 4 : w->width();
        EXPECT_LE(fm.horizontalAdvance(QString::fromStdString(window.controls.text(e.id))),
                  room + 1)
            << "control " << e.id << " \"" << e.text << "\"";
        EXPECT_LE(fm.height(), w->height() + 1) << "control " << e.id;
        EXPECT_GE(w->font().pixelSize(), 9) << "legible: control " << e.id;
    }
}

}  // namespace
}  // namespace kvl
