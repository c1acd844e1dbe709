// Korvalin dial tester - window events from the Qt event loop.
#include "platform/qt/qt_events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <deque>

namespace kvl {

struct QtEvents::Impl {
    explicit Impl(QtControls &c) : controls(c) {}
    QtControls &controls;
    std::deque<WindowEvent> queue;
    QEventLoop *waiting = nullptr;

    void arrive(const WindowEvent &e) {
        queue.push_back(e);
        if (waiting) waiting->quit();
    }

    WindowEvent take() {
        WindowEvent e = queue.front();
        queue.pop_front();
        return e;
    }

    // Runs the window's events until one arrives or the timer (if any) ends
    // the wait. The loop sleeps in the system's event wait: no processor time.
    void runUntilEvent(QTimer *limit) {
        QEventLoop loop;
        waiting = &loop;
        if (limit) QObject::connect(limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::AllEvents);
        waiting = nullptr;
    }
};

QtEvents::QtEvents(QtControls &controls) : d(std::make_unique<Impl>(controls)) {
    controls.setEventSink([impl = d.get()](const WindowEvent &e) { impl->arrive(e); });
}

QtEvents::~QtEvents() {
    d->controls.setEventSink({});
}

WindowEvent QtEvents::waitEvent() {
    while (d->queue.empty()) d->runUntilEvent(nullptr);
    return d->take();
}

WindowEvent QtEvents::waitEvent(int maxMs) {
    if (d->queue.empty()) {
        if (maxMs <= 0) {
            // No wait at all, but the window still gets its turn.
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        } else {
            // A precise timer: this is the capture's 1 ms pass, and a coarse
            // timer may round it up to several milliseconds.
            QTimer limit;
            limit.setTimerType(Qt::PreciseTimer);
            limit.setSingleShot(true);
            limit.start(maxMs);
            d->runUntilEvent(&limit);
        }
    }
    if (d->queue.empty()) return {};
    return d->take();
}

}  // namespace kvl
