// Korvalin dial tester tests - the BMP file, byte for byte, and what a failed
// write leaves behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <vector>

#include "strip/bmp_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/write_limits.h"

namespace kvl {
namespace {

std::uint32_t le(const std::vector<std::uint8_t> &b, size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

// Every pixel different, so that a swapped channel, a mirrored row or a
// wrong row order shows.
Picture pattern(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.setPixel(x, y,
                       Rgb{static_cast<std::uint8_t>(10 + x), static_cast<std::uint8_t>(100 + y),
                           static_cast<std::uint8_t>(200 + x + y)});
    return p;
}

TEST(BmpWriter, HeadersRowsAndPaddingFollowTheFormat) {
    struct Case {
        int w, h, rowSize;
    };
    for (Case c : {Case{1, 1, 4}, Case{2, 3, 8}, Case{3, 2, 12}, Case{4, 2, 12}, Case{5, 1, 16}}) {
        test::TempFolder dir;
        const std::string path = dir.file("p.bmp");
        const Picture p = pattern(c.w, c.h);
        ASSERT_TRUE(writeBmp(p, path));
        const auto b = test::readBytes(path);
        const size_t size = 54 + static_cast<size_t>(c.rowSize) * c.h;
        ASSERT_EQ(b.size(), size) << c.w << " x " << c.h;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le(b, 2, 4), size);
        EXPECT_EQ(le(b, 6, 4), 0u) << "reserved";
        EXPECT_EQ(le(b, 10, 4), 54u);
        EXPECT_EQ(le(b, 14, 4), 40u);
        EXPECT_EQ(le(b, 18, 4), static_cast<std::uint32_t>(c.w));
        EXPECT_EQ(le(b, 22, 4), static_cast<std::uint32_t>(c.h));
        EXPECT_EQ(le(b, 26, 2), 1u);
        EXPECT_EQ(le(b, 28, 2), 24u);
        EXPECT_EQ(le(b, 30, 4), 0u);
        EXPECT_EQ(le(b, 34, 4), static_cast<std::uint32_t>(c.rowSize * c.h));
        for (size_t at = 38; at < 54; at += 4) EXPECT_EQ(le(b, at, 4), 0u) << "offset " << at;
        for (int y = 0; y < c.h; ++y) {
            const size_t row = 54 + static_cast<size_t>(c.rowSize) * (c.h - 1 - y);
            for (int x = 0; x < c.w; ++x) {
                const Rgb want = p.pixel(x, y);
                EXPECT_EQ(b[row + 3 * x], want.b);
                EXPECT_EQ(b[row + 3 * x + 1], want.g);
                EXPECT_EQ(b[row + 3 * x + 2], want.r);
            }
            for (int pad = 3 * c.w; pad < c.rowSize; ++pad) EXPECT_EQ(b[row + pad], 0) << "pad";
        }
        EXPECT_EQ(dir.names(), std::vector<std::string>{"p.bmp"}) << "no temporary file left";
    }
}

TEST(BmpWriter, AnIndependentReaderSeesThePicture) {
    if (!test::commandAvailable("convert")) GTEST_SKIP() << "ImageMagick's convert is missing";
    test::TempFolder dir;
    const Picture p = pattern(37, 11);
    ASSERT_TRUE(writeBmp(p, dir.file("p.bmp")));
    const auto rgb = test::decodeWithImageMagick(dir.file("p.bmp"));
    ASSERT_EQ(rgb.size(), 37u * 11 * 3);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 37; ++x) {
            const size_t at = (static_cast<size_t>(y) * 37 + x) * 3;
            ASSERT_EQ((Rgb{rgb[at], rgb[at + 1], rgb[at + 2]}), p.pixel(x, y)) << x << "," << y;
        }
}

TEST(BmpWriter, ReplacesAnExistingFileAndGivesANewOneOrdinaryPermissions) {
    test::TempFolder dir;
    const std::string old = dir.file("old.bmp"), fresh = dir.file("new.bmp");
    test::writeBytes(old, std::vector<std::uint8_t>(100000, 7));
    ::chmod(old.c_str(), 0640);
    ASSERT_TRUE(writeBmp(pattern(3, 3), old));
    EXPECT_EQ(test::readBytes(old).size(), 54u + 12 * 3);
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeBmp(pattern(3, 3), fresh));
    ::umask(mask);
    struct stat st {};
    ASSERT_EQ(::stat(old.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
    ASSERT_EQ(::stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u) << "as any newly created file";
}

TEST(BmpWriter, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    test::TempFolder dir;
    const std::string target = dir.file("strips.bmp");
    const std::vector<std::uint8_t> before(5000, 42);
    const Picture big(1400, 1600);

    // Part way: the file may not grow beyond 1 MB of its 6.7 MB.
    test::writeBytes(target, before);
    EXPECT_EQ(test::runWithFileSizeLimit(1 << 20, [&] { return writeBmp(big, target) ? 1 : 0; }),
              0);
    EXPECT_EQ(test::readBytes(target), before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"strips.bmp"});

    // Not at all: the folder is a regular file, or the name is a folder.
    EXPECT_FALSE(writeBmp(big, target + "/inside.bmp"));
    EXPECT_EQ(test::readBytes(target), before);
    ::mkdir(dir.file("folder.bmp").c_str(), 0755);
    EXPECT_FALSE(writeBmp(big, dir.file("folder.bmp")));
    EXPECT_FALSE(writeBmp(big, dir.file("missing/strips.bmp")));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"folder.bmp", "strips.bmp"}));
}

TEST(BmpWriter, AFullFileSystemKeepsTheOldFile) {
    test::TempFolder dir;
    const int result = test::runOnSmallFileSystem(dir.path(), 1 << 20, [&] {
        const std::string target = dir.file("strips.bmp");
        const std::vector<std::uint8_t> before(5000, 42);
        test::writeBytes(target, before);
        if (writeBmp(Picture(1400, 1600), target)) return 1;
        if (test::readBytes(target) != before) return 2;
        if (dir.names() != std::vector<std::string>{"strips.bmp"}) return 3;
        return 0;
    });
    if (result == test::cannotMount) GTEST_SKIP() << "cannot mount a small tmpfs (needs root)";
    EXPECT_EQ(result, 0) << "1: reported success, 2: old file changed, 3: files left behind";
}

}  // namespace
}  // namespace kvl
