// Korvalin dial tester tests - the Qt controls and event source as a user
// meets them: what a click delivers, what the program's own changes do not,
// the close request, the event wait, lists, the scroll area and picture views.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include "tests/support/qt_window.h"

namespace kvl {
namespace {

using Kind = WindowEvent::Kind;

void userClick(QWidget *w) {
    const QPointF local(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void userKey(QWidget *w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

class QtControlsTest : public ::testing::Test {
protected:
    QtControlsTest() {
        test::putStandInPictures(store);
        controls.createWindow(400, 300, "Probe", 999);
        controls.createButton(110, {10, 10, 100, 25}, "Knopf");
        controls.createToggle(100, {10, 40, 100, 25}, "Prüfung EINSCHALTEN");
        controls.createTrackBar(4, {10, 70, 200, 30}, 14, 26, 14);
        controls.createLabel(8, {10, 110, 40, 15}, "0,0", Rgb{0, 0, 255}, Rgb{255, 255, 255});
        controls.createImageView(1001, {10, 130, 10, 10}, 500, 0);
        controls.createScrollArea(172, {10, 150, 300, 60}, 400, 40, 10);
        controls.createImageView(31, {0, 0, 1, 1}, 31, 172);
        controls.createImageView(32, {450, 0, 1, 1}, 31, 172);
        controls.createList(907, {10, 220, 380, 70}, Rgb{2, 2, 242}, Rgb{215, 215, 226});
        controls.addListColumn(907, "Typ", 100);
        controls.addListColumn(907, "nsi", 50);
        controls.addListColumn(907, "Bemerkungen", 150);
        controls.showWindow();
        QApplication::processEvents();
    }

    // Every event that arrives while the window's events are handled.
    std::vector<WindowEvent> drain() {
        std::vector<WindowEvent> got;
        for (;;) {
            const WindowEvent e = events.waitEvent(0);
            if (e.kind == Kind::None) return got;
            got.push_back(e);
        }
    }

    MemoryPictureStore store;
    QtControls controls{store};
    QtEvents events{controls};
};

TEST_F(QtControlsTest, UserActionsDeliverTheirControlsNumbersInOrder) {
    userClick(controls.widget(110));
    userClick(controls.widget(100));
    userKey(controls.widget(4), Qt::Key_Right);
    const std::vector<WindowEvent> got = drain();
    ASSERT_EQ(got.size(), 3u);
    for (const WindowEvent &e : got) EXPECT_EQ(e.kind, Kind::Control);
    EXPECT_EQ(got[0].control, 110);
    EXPECT_EQ(got[1].control, 100);
    EXPECT_EQ(got[2].control, 4);
    EXPECT_EQ(controls.state(100), 1) << "the toggle stays pressed";
    EXPECT_EQ(controls.state(4), 15) << "the track bar moved";
    userClick(controls.widget(100));
    EXPECT_EQ(controls.state(100), 0);
    EXPECT_EQ(drain().size(), 1u);
}

TEST_F(QtControlsTest, ProgramsOwnChangesDeliverNoEvents) {
    controls.setState(100, 1);
    controls.setState(100, 0);
    controls.setState(4, 20);
    controls.setText(110, "Neu");
    controls.setText(8, "10,0");
    controls.setPicture(1001, 501);
    controls.setEnabled(110, false);
    controls.setEnabled(110, true);
    controls.setVisible(110, false);
    controls.setVisible(110, true);
    controls.setScrollInnerWidth(172, 900);
    controls.setScrollPosition(172, 200);
    controls.repaintNow(1001);
    EXPECT_TRUE(drain().empty());
    EXPECT_EQ(controls.state(4), 20);
    EXPECT_EQ(controls.text(8), "10,0");
    EXPECT_EQ(controls.text(110), "Neu");
}

TEST_F(QtControlsTest, DisabledButtonDeliversNothing) {
    controls.setEnabled(110, false);
    userClick(controls.widget(110));
    EXPECT_TRUE(drain().empty());
    EXPECT_FALSE(controls.isEnabled(110));
}

TEST_F(QtControlsTest, CloseRequestIsDeliveredAndTheWindowStaysOpen) {
    QWidget *w = controls.window();
    EXPECT_FALSE(w->close());
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    const std::vector<WindowEvent> got = drain();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].kind, Kind::Close);
}

TEST_F(QtControlsTest, ShortWaitReturnsNoneWhenIdleAndTheEventWhenOneComes) {
    EXPECT_EQ(events.waitEvent(1).kind, Kind::None);
    QTimer::singleShot(5, [this] { userClick(controls.widget(110)); });
    WindowEvent e;
    for (int pass = 0; pass < 2000 && e.kind == Kind::None; ++pass) e = events.waitEvent(1);
    EXPECT_EQ(e.kind, Kind::Control);
    EXPECT_EQ(e.control, 110);
}

TEST_F(QtControlsTest, UnlimitedWaitReturnsTheNextEvent) {
    QTimer::singleShot(20, [this] { userClick(controls.widget(100)); });
    const WindowEvent e = events.waitEvent();
    EXPECT_EQ(e.kind, Kind::Control);
    EXPECT_EQ(e.control, 100);
}

TEST_F(QtControlsTest, WindowKeepsRepaintingDuringShortWaits) {
    // The program changes a readout between passes; the screen follows
    // without any wait of its own.
    controls.setText(8, "12,5");
    for (int pass = 0; pass < 20; ++pass) events.waitEvent(1);
    EXPECT_EQ(static_cast<QLabel *>(controls.widget(8))->text(), "12,5");
    const QImage shown = test::grabWindow(controls);
    EXPECT_GT(test::countNear(shown, {10, 110, 40, 15}, {0, 0, 255}, 60), 3);
}

TEST_F(QtControlsTest, ListRowsAndCellsReadBackByRowAndColumn) {
    controls.addListRow(907, {});
    controls.addListRow(907, {"W48/W49", "ge", ""});
    controls.addListRow(907, {"T65s", "ge", "br frei lassen", "zu viel"});
    controls.addListRow(907, {"kurz"});
    struct Cell {
        int row, column;
        std::string text;
    };
    for (const Cell &c : {Cell{0, 0, ""}, Cell{0, 2, ""}, Cell{1, 0, "W48/W49"}, Cell{1, 1, "ge"},
                          Cell{1, 2, ""}, Cell{2, 2, "br frei lassen"}, Cell{3, 0, "kurz"},
                          Cell{3, 1, ""}, Cell{4, 0, ""}, Cell{-1, 0, ""}, Cell{1, 7, ""}})
        EXPECT_EQ(controls.listCell(907, c.row, c.column), c.text) << c.row << "/" << c.column;
    EXPECT_EQ(controls.listRowCount(907), 4);
    EXPECT_EQ(controls.listColumnCount(907), 3) << "a row with too many cells adds no column";
    EXPECT_EQ(controls.listColumnTitle(907, 2), "Bemerkungen");
    EXPECT_EQ(controls.listColumnTitle(907, 3), "");
    // What the user sees: the list's text colour on its background.
    controls.widget(907)->repaint();
    const QImage shown = test::grabWindow(controls);
    EXPECT_GT(test::countNear(shown, {10, 220, 380, 70}, {215, 215, 226}, 0), 1000);
    EXPECT_GT(test::countNear(shown, {10, 220, 380, 70}, {2, 2, 242}, 60), 10);
}

TEST_F(QtControlsTest, ScrollAreaHoldsItsInnerWidthAndPositionAlsoWhileHidden) {
    EXPECT_EQ(controls.scrollInnerWidth(172), 400);
    auto *area = static_cast<QScrollArea *>(controls.widget(172));
    EXPECT_EQ(area->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(area->horizontalScrollBar()->singleStep(), 10);
    controls.setVisible(172, false);
    controls.setScrollInnerWidth(172, 1000);
    controls.setScrollPosition(172, 450);
    EXPECT_EQ(controls.scrollPosition(172), 450);
    controls.setVisible(172, true);
    QApplication::processEvents();
    EXPECT_EQ(controls.scrollInnerWidth(172), 1000);
    EXPECT_EQ(controls.scrollPosition(172), 450);
    EXPECT_EQ(controls.widget(32)->mapTo(area->viewport(), QPoint(0, 0)), QPoint(0, 0))
        << "the second view stands at the area's left edge";
    controls.setScrollPosition(172, 5000);
    EXPECT_EQ(controls.scrollPosition(172), 1000 - 300) << "no further than the inner area";
    controls.setScrollInnerWidth(172, 200);
    EXPECT_EQ(controls.scrollPosition(172), 0);
}

TEST_F(QtControlsTest, ViewFollowsARedrawnOrReplacedPicture) {
    Picture *strip = store.create(31, 200, 40);
    strip->fillBox(0, 0, 200, 40, colours::red);
    controls.setPicture(31, 31);
    EXPECT_EQ(controls.widget(31)->size(), QSize(200, 40));
    EXPECT_EQ(test::rgbAt(test::grabWindow(controls), 20, 160), colours::red);

    // Drawn anew in place (same number, same size): the screen must not keep
    // the old pixels.
    strip->fillBox(0, 0, 200, 40, colours::blue);
    controls.setPicture(31, 31);
    EXPECT_EQ(test::rgbAt(test::grabWindow(controls), 20, 160), colours::blue);

    // Replaced by a picture of another size.
    store.create(31, 50, 20)->fillBox(0, 0, 50, 20, colours::red);
    controls.setPicture(31, 31);
    EXPECT_EQ(controls.widget(31)->size(), QSize(50, 20));
    EXPECT_EQ(test::rgbAt(test::grabWindow(controls), 20, 160), colours::red);
    EXPECT_EQ(controls.picture(31), 31);
}

TEST_F(QtControlsTest, LampSwitchesBetweenItsPictures) {
    const QImage off = test::grabWindow(controls);
    EXPECT_EQ(test::rgbAt(off, 17, 137), (Rgb{0, 91, 91}));
    controls.setPicture(1001, 501);
    EXPECT_EQ(test::rgbAt(test::grabWindow(controls), 17, 137), (Rgb{0, 255, 0}));
    controls.setPicture(1001, 500);
    EXPECT_EQ(test::rgbAt(test::grabWindow(controls), 17, 137), (Rgb{0, 91, 91}));
    EXPECT_EQ(controls.picture(1001), 500);
}

TEST_F(QtControlsTest, ButtonTextsAreShownAsTheyAre) {
    controls.setText(110, "Bild & Ton");
    EXPECT_EQ(controls.text(110), "Bild & Ton");
    EXPECT_EQ(static_cast<QPushButton *>(controls.widget(110))->shortcut(), QKeySequence());
}

TEST_F(QtControlsTest, UnknownNumbersAreIgnoredAndReadAsEmpty) {
    controls.setText(4242, "x");
    controls.setState(4242, 1);
    controls.setVisible(4242, false);
    controls.setPicture(4242, 500);
    controls.addListRow(4242, {"a"});
    controls.setPicture(110, 500);  // not an image view
    EXPECT_EQ(controls.text(4242), "");
    EXPECT_EQ(controls.state(4242), 0);
    EXPECT_FALSE(controls.isVisible(4242));
    EXPECT_FALSE(controls.isEnabled(4242));
    EXPECT_EQ(controls.listRowCount(4242), 0);
    EXPECT_EQ(controls.listCell(4242, 0, 0), "");
    EXPECT_EQ(controls.scrollPosition(4242), 0);
    EXPECT_EQ(controls.text(110), "Knopf");
}

TEST_F(QtControlsTest, DestroyAllReleasesTheWindowAndLaterCallsAreHarmless) {
    QPointer<QWidget> w = controls.window();
    controls.destroyAll();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(controls.window(), nullptr);
    EXPECT_EQ(controls.widget(110), nullptr);
    controls.setText(110, "x");
    EXPECT_EQ(controls.text(110), "");
    EXPECT_EQ(events.waitEvent(1).kind, Kind::None);
}

}  // namespace
}  // namespace kvl
