// Korvalin dial tester - the BMP file writer.
#include "strip/bmp_writer.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "strip/safe_file.h"

namespace kvl {
namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t headerSize = fileHeaderSize + infoHeaderSize;

void put16(std::uint8_t *at, std::uint32_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t *at, std::uint32_t v) {
    put16(at, v & 0xffffu);
    put16(at + 2, v >> 16);
}

}  // namespace

bool writeBmp(const Picture &picture, const std::string &path) {
    const std::uint64_t width = static_cast<std::uint64_t>(picture.width());
    const std::uint64_t height = static_cast<std::uint64_t>(picture.height());
    const std::uint64_t rowSize = (width * 3 + 3) / 4 * 4;
    const std::uint64_t pixelBytes = rowSize * height;
    // The header's size fields are 32 bits wide.
    if (pixelBytes + headerSize > 0xffffffffu) return false;

    std::array<std::uint8_t, headerSize> header{};
    header[0] = 'B';
    header[1] = 'M';
    put32(&header[2], static_cast<std::uint32_t>(headerSize + pixelBytes));
    put32(&header[10], headerSize);
    put32(&header[14], infoHeaderSize);
    put32(&header[18], static_cast<std::uint32_t>(width));
    // Positive height: the rows are stored bottom row first.
    put32(&header[22], static_cast<std::uint32_t>(height));
    put16(&header[26], 1);
    put16(&header[28], 24);
    put32(&header[34], static_cast<std::uint32_t>(pixelBytes));

    SafeFile file(path);
    if (!file.open()) return false;
    std::FILE *out = file.stream();
    if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return false;

    std::vector<std::uint8_t> row(rowSize, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const unsigned char *rgb = picture.rgbRow(y);
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb c =
                rgb ? Rgb{rgb[3 * x], rgb[3 * x + 1], rgb[3 * x + 2]} : picture.pixel(x, y);
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
        if (std::fwrite(row.data(), 1, row.size(), out) != row.size()) return false;
    }
    return file.commit();
}

}  // namespace kvl
