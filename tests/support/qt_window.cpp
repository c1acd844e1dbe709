// Korvalin dial tester tests - the real Qt window on the offscreen platform.
#include "tests/support/qt_window.h"

#include <QWidget>
#include <cstdlib>

#include "platform/catalogue.h"
#include "platform/qt/qt_picture.h"

namespace kvl::test {

namespace {

Picture lamp(Rgb body) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = x - 7, dy = y - 7;
            if (dx * dx + dy * dy <= 49) image.setPixelColor(x, y, QColor(body.r, body.g, body.b));
        }
    return pictureFromImage(image);
}

Picture plain(int w, int h, Rgb colour) {
    Picture p(w, h);
    p.fillBox(0, 0, w, h, colour);
    return p;
}

}  // namespace

void putStandInPictures(PictureStore &pictures) {
    pictures.put(pic::digitLampOff, lamp({0, 91, 91}));
    pictures.put(pic::digitLampOn, lamp({0, 255, 0}));
    pictures.put(pic::highDigitLampOff, lamp({128, 0, 0}));
    pictures.put(pic::highDigitLampOn, lamp({255, 0, 0}));
    pictures.put(pic::contactLampOff, lamp({170, 170, 0}));
    pictures.put(pic::contactLampOn, lamp({255, 255, 0}));
    pictures.put(pic::dialPhoto, plain(200, 200, {40, 40, 40}));
    pictures.put(pic::wiringPicture, plain(1200, 200, {250, 250, 200}));
    pictures.put(pic::relayInterfacePicture, plain(1200, 200, {200, 250, 250}));
    pictures.put(pic::programIcon, lamp({0, 0, 0}));
}

QImage grabWindow(QtControls &controls) {
    return controls.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countNear(const QImage &image, Rect r, Rgb colour, int tolerance) {
    int n = 0;
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) {
            if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
            const Rgb c = rgbAt(image, x, y);
            n += std::abs(c.r - colour.r) <= tolerance && std::abs(c.g - colour.g) <= tolerance &&
                 std::abs(c.b - colour.b) <= tolerance;
        }
    return n;
}

}  // namespace kvl::test
