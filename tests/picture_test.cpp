// Korvalin dial tester tests - the pixel coverage of the drawing operations.
#include <gtest/gtest.h>

#include "platform/picture.h"

namespace kvl {
namespace {

// Counts the pixels of one colour inside the picture.
int count(const Picture &p, Rgb c) {
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) n += p.pixel(x, y) == c;
    return n;
}

TEST(Picture, NewPictureIsBlack) {
    Picture p(7, 5);
    EXPECT_EQ(p.width(), 7);
    EXPECT_EQ(p.height(), 5);
    EXPECT_EQ(count(p, colours::black), 35);
}

TEST(Picture, FilledBoxCoversWidthByHeightFromItsCorner) {
    Picture p(20, 20);
    p.fillBox(3, 4, 5, 2, colours::red);
    EXPECT_EQ(count(p, colours::red), 10);
    EXPECT_EQ(p.pixel(3, 4), colours::red);
    EXPECT_EQ(p.pixel(7, 5), colours::red);
    EXPECT_NE(p.pixel(8, 5), colours::red);
    EXPECT_NE(p.pixel(7, 6), colours::red);
    EXPECT_NE(p.pixel(2, 4), colours::red);
}

TEST(Picture, LineIncludesBothEndPointsAndIsCutAtTheEdge) {
    Picture p(10, 10);
    p.line(2, 3, 6, 3, colours::blue);
    EXPECT_EQ(count(p, colours::blue), 5);
    p.line(0, 9, 15, 9, colours::red);  // ends outside: cut, nothing wraps
    EXPECT_EQ(count(p, colours::red), 10);
    Picture d(10, 10);
    d.line(0, 0, 9, 9, colours::red);
    EXPECT_EQ(count(d, colours::red), 10);
    EXPECT_EQ(d.pixel(9, 9), colours::red);
    Picture v(10, 10);
    v.line(4, -5, 4, 20, colours::red);  // starts and ends outside
    EXPECT_EQ(count(v, colours::red), 10);
}

TEST(Picture, LineByExtentDrawsNothingWhenEitherExtentIsZero) {
    struct Case {
        int w, h, pixels;
    };
    for (Case c : {Case{0, 1, 0}, Case{1, 0, 0}, Case{-3, 2, 0}, Case{3, 1, 3}, Case{1, 4, 4},
                   Case{2, 2, 4}}) {
        Picture p(10, 10);
        p.lineByExtent(1, 1, c.w, c.h, colours::red);
        EXPECT_EQ(count(p, colours::red), c.pixels) << c.w << " x " << c.h;
    }
}

TEST(Picture, FilledCircleIsTwoRPlusOneAcross) {
    for (int r : {0, 1, 3, 4}) {
        Picture p(30, 30);
        p.fillCircle(15, 15, r, colours::red);
        int across = 0, down = 0;
        for (int x = 0; x < 30; ++x) across += p.pixel(x, 15) == colours::red;
        for (int y = 0; y < 30; ++y) down += p.pixel(15, y) == colours::red;
        EXPECT_EQ(across, 2 * r + 1) << "r " << r;
        EXPECT_EQ(down, 2 * r + 1) << "r " << r;
        if (r > 0) EXPECT_NE(p.pixel(15 - r, 15 - r), colours::red) << "corner of r " << r;
    }
}

TEST(Picture, RoundedBoxLeavesItsCornersAndFillsItsEdgesMidway) {
    Picture p(40, 30);
    p.fillRoundedBox(0, 0, 40, 30, 10, 10, colours::white);
    EXPECT_EQ(p.pixel(0, 0), colours::black);
    EXPECT_EQ(p.pixel(39, 29), colours::black);
    EXPECT_EQ(p.pixel(20, 0), colours::white);
    EXPECT_EQ(p.pixel(0, 15), colours::white);
    EXPECT_EQ(p.pixel(39, 15), colours::white);
    EXPECT_EQ(p.pixel(20, 29), colours::white);
}

TEST(Picture, TextStandsBelowAndRightOfItsTopLeftCorner) {
    Picture p(200, 60);
    p.fillBox(0, 0, 200, 60, colours::white);
    p.text(50, 20, "Hz", colours::red);
    int minX = 1000, minY = 1000, maxY = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (p.pixel(x, y) != colours::white) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                EXPECT_EQ(p.pixel(x, y), colours::red) << "no blended pixels";
            }
    EXPECT_GE(minX, 50);
    EXPECT_LE(minX, 53);
    EXPECT_GE(minY, 20);
    EXPECT_LE(maxY, 20 + 16);
}

TEST(Picture, RotatedTextReadsUpwardAboveItsPoint) {
    Picture p(60, 200);
    p.fillBox(0, 0, 60, 200, colours::white);
    p.rotatedText(20, 140, "Raster = 10/100ms", 90, colours::black);
    int minY = 1000, maxY = -1, minX = 1000;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 60; ++x)
            if (p.pixel(x, y) != colours::white) {
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                minX = std::min(minX, x);
            }
    EXPECT_LE(maxY, 140);
    EXPECT_LT(minY, 140 - 60);  // runs upward a long way
    EXPECT_GE(minX, 20);
}

TEST(Picture, ScaledAndUnscaledCopies) {
    Picture src(2, 1);
    src.setPixel(0, 0, colours::red);
    src.setPixel(1, 0, colours::blue);
    Picture dst(10, 10);
    dst.drawPicture(src, 3, 3);
    EXPECT_EQ(dst.pixel(3, 3), colours::red);
    EXPECT_EQ(dst.pixel(4, 3), colours::blue);
    EXPECT_EQ(dst.pixel(5, 3), colours::black);
    Picture big(10, 10);
    big.drawPictureScaled(src, 0, 0, 8, 4);
    EXPECT_EQ(big.pixel(0, 0), colours::red);
    EXPECT_EQ(big.pixel(3, 3), colours::red);
    EXPECT_EQ(big.pixel(4, 0), colours::blue);
    EXPECT_EQ(big.pixel(7, 3), colours::blue);
    EXPECT_EQ(big.pixel(8, 0), colours::black);
    EXPECT_EQ(big.pixel(0, 4), colours::black);
}

TEST(PictureStore, CreateReplacesThePictureOfThatNumber) {
    MemoryPictureStore store;
    Picture *first = store.create(31, 4, 4);
    ASSERT_NE(first, nullptr);
    first->fillBox(0, 0, 4, 4, colours::red);
    Picture *again = store.create(31, 4, 4);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->pixel(0, 0), colours::black);
    EXPECT_EQ(store.find(32), nullptr);
}

}  // namespace
}  // namespace kvl
