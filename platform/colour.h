// Korvalin dial tester - colours shared by every drawn picture.
#pragma once

#include <cstdint>

namespace kvl {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

namespace colours {
constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb chartBackground{177, 255, 255};
constexpr Rgb fineGridColour{250, 255, 255};
constexpr Rgb coarseGridColour{148, 162, 251};
}  // namespace colours

}  // namespace kvl
