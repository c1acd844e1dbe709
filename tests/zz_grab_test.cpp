#include <gtest/gtest.h>
#include <QWidget>
#include <QFontInfo>
#include <QApplication>
#include <iostream>
#include "app/main_window.h"
#include "tests/support/qt_window.h"
using namespace kvl;
TEST(Grab, Window) {
    MemoryPictureStore store;
    test::putStandInPictures(store);
    test::QtWindowBench b(store);
    buildMainWindow(b.bench);
    std::cout << QApplication::font().toString().toStdString() << " / " << QFontInfo(b.controls.window()->font()).family().toStdString() << " px " << QFontInfo(b.controls.window()->font()).pixelSize() << std::endl;
    QApplication::processEvents(); QImage img = test::grabWindow(b.controls);
    img.save("/tmp/window_grab.png");
    b.controls.setVisible(172,false); b.controls.setVisible(907,true);
    test::grabWindow(b.controls).save("/tmp/window_grab_table.png");
}
#include <QScrollArea>
#include <QScrollBar>
TEST(Grab, Scroll) {
    MemoryPictureStore store;
    test::putStandInPictures(store);
    test::QtWindowBench b(store);
    buildMainWindow(b.bench);
    QApplication::processEvents(); auto *a = static_cast<QScrollArea*>(b.controls.widget(172));
    std::cout << "area " << a->width() << "x" << a->height() << " vp " << a->viewport()->width() << "x" << a->viewport()->height()
      << " inner " << a->widget()->width() << "x" << a->widget()->height() << " vmax " << a->verticalScrollBar()->maximum() << " hmax " << a->horizontalScrollBar()->maximum()
      << " vvis " << a->verticalScrollBar()->isVisible() << " hbar h " << a->horizontalScrollBar()->sizeHint().height() << std::endl;
}
#include "platform/qt/qt_picture.h"
TEST(Grab, Metrics) {
    QFont f(builtInFont(TextFont::Surface).family()); f.setPixelSize(11); f.setWeight(QFont::Normal);
    QFontMetrics fm(f);
    for (const char* t : {"     0   10   20   30", "  50   60   70   80   90   100", "   7          8          9", "   11        12        13", "Speichern Prüfstreifen BMP/JPG", "Auswertung nach 10 Prüfzyklen Wahl gleicher Ziffer >>>"})
      std::cout << t << " adv " << fm.horizontalAdvance(QString::fromUtf8(t)) << " ink " << fm.boundingRect(QString::fromUtf8(t)).right() << " tight " << fm.tightBoundingRect(QString::fromUtf8(t)).right() << " h " << fm.height() << std::endl;
}
