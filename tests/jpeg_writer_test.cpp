// Korvalin dial tester tests - the JPEG file as libjpeg's own tools read it,
// and what a failed write leaves behind.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "strip/jpeg_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/write_limits.h"

namespace kvl {
namespace {

// Four flat quarters: far from the edges even 4:2:0 gives back the colours.
Picture quarters(int w, int h) {
    Picture p(w, h);
    p.fillBox(0, 0, w / 2, h / 2, colours::chartBackground);
    p.fillBox(w / 2, 0, w - w / 2, h / 2, colours::red);
    p.fillBox(0, h / 2, w / 2, h - h / 2, colours::coarseGridColour);
    p.fillBox(w / 2, h / 2, w - w / 2, h - h / 2, colours::blue);
    return p;
}

std::string describe(const std::string &path) {
    return test::runCommand("identify -format '%w %h %[jpeg:sampling-factor] %Q' " +
                            test::shellQuoted(path) + " 2>&1")
        .output;
}

TEST(JpegWriter, QualityIsTheClampedValueTimesTenWithHalvedChroma) {
    if (!test::commandAvailable("identify")) GTEST_SKIP() << "ImageMagick's identify is missing";
    struct Case {
        int quality;
        const char *described;
    };
    for (Case c : {Case{10, "1400 1600 2x2,1x1,1x1 100"}, Case{12, "1400 1600 2x2,1x1,1x1 100"},
                   Case{5, "1400 1600 2x2,1x1,1x1 50"}}) {
        test::TempFolder dir;
        ASSERT_TRUE(writeJpeg(quarters(1400, 1600), dir.file("p.jpg"), c.quality));
        EXPECT_EQ(describe(dir.file("p.jpg")), c.described) << "quality " << c.quality;
        EXPECT_EQ(dir.names(), std::vector<std::string>{"p.jpg"});
    }
}

TEST(JpegWriter, IsAJfifFileThatDjpegDecodesToThePicture) {
    if (!test::commandAvailable("djpeg")) GTEST_SKIP() << "libjpeg's djpeg is missing";
    test::TempFolder dir;
    const std::string path = dir.file("p.jpg");
    const Picture p = quarters(64, 48);
    ASSERT_TRUE(writeJpeg(p, path, 10));
    const auto bytes = test::readBytes(path);
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(bytes[3], 0xE0) << "APP0 marker";
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 10), "JFIF");

    const std::string ppm = test::runCommand("djpeg -pnm " + test::shellQuoted(path)).output;
    const std::string head = "P6\n64 48\n255\n";
    ASSERT_EQ(ppm.compare(0, head.size(), head), 0) << ppm.substr(0, 20);
    ASSERT_EQ(ppm.size(), head.size() + 64 * 48 * 3);
    for (auto [x, y] : {std::pair{8, 8}, {56, 8}, {8, 40}, {56, 40}}) {
        const size_t at = head.size() + (static_cast<size_t>(y) * 64 + x) * 3;
        const Rgb want = p.pixel(x, y);
        EXPECT_LE(std::abs(static_cast<unsigned char>(ppm[at]) - want.r), 3) << x << "," << y;
        EXPECT_LE(std::abs(static_cast<unsigned char>(ppm[at + 1]) - want.g), 3) << x << "," << y;
        EXPECT_LE(std::abs(static_cast<unsigned char>(ppm[at + 2]) - want.b), 3) << x << "," << y;
    }
}

TEST(JpegWriter, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    test::TempFolder dir;
    const std::string target = dir.file("strips.jpg");
    const std::vector<std::uint8_t> before(3000, 9);
    test::writeBytes(target, before);
    // A noisy picture, so that even the compressed file outgrows 4 kB.
    Picture noisy(1400, 1600);
    for (int y = 0; y < 1600; ++y)
        for (int x = 0; x < 1400; ++x)
            noisy.setPixel(x, y,
                           Rgb{static_cast<std::uint8_t>(x * 7919 + y * 104729),
                               static_cast<std::uint8_t>(x * y), 0});
    // libjpeg's file destination fails its write, calls the error exit, and
    // the writer must come back from it with the temporary file removed.
    EXPECT_EQ(test::runWithFileSizeLimit(4096, [&] { return writeJpeg(noisy, target, 10); }), 0);
    EXPECT_EQ(test::readBytes(target), before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"strips.jpg"});

    EXPECT_FALSE(writeJpeg(noisy, target + "/inside.jpg", 10));
    EXPECT_FALSE(writeJpeg(noisy, dir.file("missing/strips.jpg"), 10));
    EXPECT_EQ(test::readBytes(target), before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"strips.jpg"});
}

}  // namespace
}  // namespace kvl
