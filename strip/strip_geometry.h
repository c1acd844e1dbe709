// Korvalin dial tester - the size of a test strip and where a time lies on it.
#pragma once

namespace kvl::strip {

constexpr int width = 1400;
constexpr int height = 150;
// One pixel per millisecond; the cycle's first nsi opening stands at x = 100,
// so the 50 ms before it remain visible as a lead-in.
constexpr int timeOffset = 100;
// The strip views stand this far apart in the scroll area.
constexpr int viewPitch = 1450;
// The saved picture stacks ten strips with a black gap of 10 rows under each.
constexpr int exportRowPitch = 160;
constexpr int exportWidth = 1400;
constexpr int exportHeight = 1600;
constexpr int slots = 10;

}  // namespace kvl::strip
