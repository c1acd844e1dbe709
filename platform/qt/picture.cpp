// Korvalin dial tester - pictures drawn with exactly the pixel coverage the
// strips and charts are specified in. Boxes, lines and circles are set pixel
// by pixel (no anti-aliasing, no pen geometry), so a test can check every
// pixel; texts are drawn by QPainter in a built-in face without anti-aliasing.
#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/qt/qt_picture.h"

namespace kvl {

namespace {

// Strips, charts and gauge faces: a small bold sans face, like the stock
// drawing font of a classic desktop; the strip labels are laid out for a
// cell of about 15 pixels.
constexpr int surfaceFontPixelSize = 13;
// Font 0: 60 points at 96 logical dots per inch.
constexpr int font0PixelSize = 80;

QString registeredFamily() {
    static QString family;
    static std::once_flag once;
    std::call_once(once, [] {
        int regular = QFontDatabase::addApplicationFont(":/fonts/LiberationSans-Regular.ttf");
        QFontDatabase::addApplicationFont(":/fonts/LiberationSans-Bold.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(regular);
        family = families.isEmpty() ? QStringLiteral("Liberation Sans") : families.first();
    });
    return family;
}

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

QFont builtInFont(TextFont font) {
    QFont f(registeredFamily());
    if (font == TextFont::Font0) {
        f.setPixelSize(font0PixelSize);
        f.setWeight(QFont::Normal);
    } else {
        f.setPixelSize(surfaceFontPixelSize);
        f.setWeight(QFont::Bold);
    }
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

Picture pictureFromImage(const QImage &image) {
    Picture p(1, 1);
    qImage(p) = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                        : image.convertToFormat(QImage::Format_RGB888);
    return p;
}

Picture::Picture(int width, int height) : m_impl(std::make_unique<Impl>()) {
    m_impl->image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB888);
    m_impl->image.fill(Qt::black);
}

Picture::Picture(const Picture &other) : m_impl(std::make_unique<Impl>(*other.m_impl)) {}
Picture &Picture::operator=(const Picture &other) {
    if (this != &other) *m_impl = *other.m_impl;
    return *this;
}
Picture::Picture(Picture &&other) noexcept = default;
Picture &Picture::operator=(Picture &&other) noexcept = default;
Picture::~Picture() = default;

int Picture::width() const { return m_impl->image.width(); }
int Picture::height() const { return m_impl->image.height(); }
bool Picture::hasAlpha() const { return m_impl->image.hasAlphaChannel(); }

Rgb Picture::pixel(int x, int y) const {
    const QImage &img = m_impl->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return colours::black;
    if (img.format() == QImage::Format_RGB888) {
        const uchar *p = img.constScanLine(y) + 3 * x;
        return Rgb{p[0], p[1], p[2]};
    }
    const QRgb v = img.pixel(x, y);
    return Rgb{static_cast<std::uint8_t>(qRed(v)), static_cast<std::uint8_t>(qGreen(v)),
               static_cast<std::uint8_t>(qBlue(v))};
}

int Picture::alpha(int x, int y) const {
    const QImage &img = m_impl->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return 0;
    if (!img.hasAlphaChannel()) return 255;
    return qAlpha(img.pixel(x, y));
}

void Picture::setPixel(int x, int y, Rgb c) {
    QImage &img = m_impl->image;
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    if (img.format() == QImage::Format_RGB888) {
        uchar *p = img.scanLine(y) + 3 * x;
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    } else {
        img.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
}

void Picture::fillBox(int x, int y, int w, int h, Rgb c) {
    if (w <= 0 || h <= 0) return;
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    // 64-bit ends: a box may be described far beyond the picture.
    const int x1 = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, width()));
    const int y1 = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, height()));
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) setPixel(xx, yy, c);
}

void Picture::fillRoundedBox(int x, int y, int w, int h, int rx, int ry, Rgb c) {
    if (w <= 0 || h <= 0) return;
    rx = std::clamp(rx, 0, w / 2);
    ry = std::clamp(ry, 0, h / 2);
    for (int row = 0; row < h; ++row) {
        // Horizontal inset of this row: inside a corner band the ellipse
        // quarter of radii rx, ry decides, measured at the pixel centres.
        int inset = 0;
        double dy = -1.0;
        if (row < ry) dy = ry - (row + 0.5);
        else if (row >= h - ry) dy = (row + 0.5) - (h - ry);
        if (dy >= 0.0 && rx > 0 && ry > 0) {
            const double t = 1.0 - (dy * dy) / (double(ry) * ry);
            const double half = t > 0.0 ? rx * std::sqrt(t) : 0.0;
            inset = static_cast<int>(std::lround(rx - half));
        }
        fillBox(x + inset, y + row, w - 2 * inset, 1, c);
    }
}

void Picture::fillCircle(int cx, int cy, int r, Rgb c) {
    if (r < 0) return;
    // r² + r/2 gives round discs at the small radii of the chart points.
    const long long limit = static_cast<long long>(r) * r + r / 2;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy <= limit)
                setPixel(cx + dx, cy + dy, c);
}

void Picture::line(int x1, int y1, int x2, int y2, Rgb c) {
    // Bresenham over the whole segment, every pixel clipped on its own, so a
    // segment that starts or ends outside the picture keeps its slope.
    long long dx = std::llabs(static_cast<long long>(x2) - x1);
    long long dy = -std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy;
    long long x = x1, y = y1;
    // Far-off segments are walked only while they can still reach the picture.
    const long long guard = dx - dy + 1;
    for (long long step = 0; step <= guard; ++step) {
        if (x >= 0 && y >= 0 && x < width() && y < height())
            setPixel(static_cast<int>(x), static_cast<int>(y), c);
        if (x == x2 && y == y2) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Picture::lineByExtent(int x, int y, int w, int h, Rgb c) { fillBox(x, y, w, h, c); }

namespace {

void paintText(QImage &image, int x, int y, const QString &text, Rgb colour,
               const Rgb *background, TextFont font, int angleDegrees) {
    QPainter p(&image);
    const QFont f = builtInFont(font);
    p.setFont(f);
    const QFontMetrics fm(f);
    p.translate(x, y);
    if (angleDegrees != 0) p.rotate(-angleDegrees);
    if (background)
        p.fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), toQColor(*background));
    p.setPen(toQColor(colour));
    p.drawText(0, fm.ascent(), text);
}

}  // namespace

void Picture::text(int x, int y, const std::string &utf8, Rgb colour, TextFont font) {
    paintText(m_impl->image, x, y, QString::fromStdString(utf8), colour, nullptr, font, 0);
}

void Picture::textOnBackground(int x, int y, const std::string &utf8, Rgb colour, Rgb background,
                               TextFont font) {
    paintText(m_impl->image, x, y, QString::fromStdString(utf8), colour, &background, font, 0);
}

void Picture::rotatedText(int x, int y, const std::string &utf8, int angleDegrees, Rgb colour,
                          TextFont font) {
    paintText(m_impl->image, x, y, QString::fromStdString(utf8), colour, nullptr, font,
              angleDegrees);
}

void Picture::drawPicture(const Picture &source, int x, int y) {
    QPainter p(&m_impl->image);
    p.drawImage(x, y, source.m_impl->image);
}

void Picture::drawPictureScaled(const Picture &source, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    QPainter p(&m_impl->image);
    p.drawImage(QRect(x, y, w, h), source.m_impl->image);
}

const unsigned char *Picture::rgbRow(int y) const {
    if (m_impl->image.format() != QImage::Format_RGB888 || y < 0 || y >= height()) return nullptr;
    return m_impl->image.constScanLine(y);
}

struct MemoryPictureStore::Store {
    std::map<int, Picture> pictures;
};

MemoryPictureStore::MemoryPictureStore() : m_store(std::make_unique<Store>()) {}
MemoryPictureStore::~MemoryPictureStore() = default;

Picture *MemoryPictureStore::create(int number, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    auto [it, inserted] = m_store->pictures.insert_or_assign(number, Picture(width, height));
    return &it->second;
}

void MemoryPictureStore::put(int number, Picture picture) {
    m_store->pictures.insert_or_assign(number, std::move(picture));
}

Picture *MemoryPictureStore::find(int number) {
    auto it = m_store->pictures.find(number);
    return it == m_store->pictures.end() ? nullptr : &it->second;
}

void MemoryPictureStore::clear() { m_store->pictures.clear(); }

}  // namespace kvl
