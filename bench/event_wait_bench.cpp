// Korvalin dial tester - how long the capture's 1 ms event wait really lasts
// on this machine, and what a lamp change costs while the capture runs.
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/catalogue.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_picture.h"

namespace {

constexpr int passes = 3000;

void report(const char *what, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    auto at = [&](double q) { return us[static_cast<size_t>(q * (us.size() - 1))]; };
    std::printf("%-34s median %8.1f us   p90 %8.1f us   p99 %8.1f us   max %8.1f us\n", what,
                at(0.5), at(0.9), at(0.99), us.back());
}

kvl::Picture lamp(QColor body) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 7) * (x - 7) + (y - 7) * (y - 7) <= 49) image.setPixelColor(x, y, body);
    return kvl::pictureFromImage(image);
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kvl::MemoryPictureStore store;
    store.put(kvl::pic::digitLampOff, lamp(QColor(0, 91, 91)));
    store.put(kvl::pic::digitLampOn, lamp(QColor(0, 255, 0)));
    kvl::QtControls controls(store);
    kvl::QtEvents events(controls);
    controls.createWindow(1280, 460, "Messung", kvl::pic::programIcon);
    for (int n = 1; n <= 10; ++n)
        controls.createImageView(kvl::ctl::digitLamp(n), {320, 13 + 20 * (10 - n), 10, 10},
                                 kvl::pic::digitLampOff, 0);
    controls.showWindow();
    app.processEvents();

    std::vector<double> idle, lamps, set;
    QElapsedTimer t;
    for (int i = 0; i < passes; ++i) {
        t.start();
        events.waitEvent(1);
        idle.push_back(t.nsecsElapsed() / 1000.0);
    }
    for (int i = 0; i < passes; ++i) {
        t.start();
        const int n = 1 + i % 10;
        controls.setPicture(kvl::ctl::digitLamp(n),
                            (i / 10) % 2 ? kvl::pic::digitLampOff : kvl::pic::digitLampOn);
        set.push_back(t.nsecsElapsed() / 1000.0);
        events.waitEvent(1);
        lamps.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::printf("%d passes each (target: one pass about every 1000 us)\n", passes);
    report("waitEvent(1), idle window", idle);
    report("setPicture of a lamp", set);
    report("lamp change + waitEvent(1)", lamps);
    return 0;
}
