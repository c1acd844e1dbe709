// Korvalin dial tester tests - the real Qt window on the offscreen platform,
// with stand-ins for the built-in pictures and fakes for everything else.
#pragma once

#include <QColor>
#include <QImage>
#include <functional>

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "tests/support/fake_platform.h"

namespace kvl::test {

// Puts pictures of the built-in sizes into the store: the six lamps (16 x 16
// with a transparent outside), the dial photo, the two help pictures and the icon.
void putStandInPictures(PictureStore &pictures);

// A store that refuses to create the pictures `refused` says no to.
class RefusingPictureStore : public PictureStore {
public:
    std::function<bool(int number)> refused;
    Picture *create(int number, int width, int height) override {
        if (refused && refused(number)) return nullptr;
        return m_store.create(number, width, height);
    }
    void put(int number, Picture picture) override { m_store.put(number, std::move(picture)); }
    Picture *find(int number) override { return m_store.find(number); }
    void clear() override { m_store.clear(); }

private:
    MemoryPictureStore m_store;
};

struct QtWindowBench {
    explicit QtWindowBench(PictureStore &store) : pictures(store) {}
    PictureStore &pictures;
    QtControls controls{pictures};
    QtEvents events{controls};
    QtDialogs dialogs{controls};
    FakeClock clock;
    FakeSound sound{&clock};
    FakeLines lines;
    FakeSystem system;
    Platform platform{controls, pictures, events, dialogs, sound, lines, clock, system};
    PulseRecord record;
    CycleHistory history;
    Bench bench{platform, record, history, "", "/home/user/dials/"};
};

// What the screen shows of the whole client area, and the colour at a point.
QImage grabWindow(QtControls &controls);
inline Rgb rgbAt(const QImage &image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}
// Pixels inside the rectangle within `tolerance` of the colour in every channel.
int countNear(const QImage &image, Rect r, Rgb colour, int tolerance);

}  // namespace kvl::test
