// Korvalin dial tester tests - dialling cycles in their evaluated form, as the
// strip renderer and the cycle history receive them, and ways to look at strips.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "measure/pulse_record.h"
#include "platform/picture.h"

namespace kvl::test {

// The ideal dial's digit 0: openings every 100 ms, open 62 ms, nsa and nsr
// returning at 980 ms, cycleOrigin 0, demoMode set.
void fillDemoCycle(PulseRecord &record);

// A measured cycle of the given relative nsi times (sentinel appended) at the
// absolute origin, with nsa and nsr returning `endMs` after it.
void fillMeasuredCycle(PulseRecord &record, const std::vector<std::int32_t> &nsiTimes,
                       std::int32_t origin, std::int32_t endMs);

// `pulses` ideal pulses (100 ms period, 62 ms open) for a measured cycle.
std::vector<std::int32_t> idealPulses(int pulses);

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
    bool empty() const { return right < left; }
};

// Bounding box of the pixels of one colour inside the search rectangle.
Box boundingBox(const Picture &p, Rgb colour, int x0, int y0, int x1, int y1);

// Number of pixels of one colour in rows y0..y1 of column x.
int columnCount(const Picture &p, int x, int y0, int y1, Rgb colour);
// Number of pixels of one colour in columns x0..x1 of row y.
int rowCount(const Picture &p, int y, int x0, int x1, Rgb colour);

// The text drawn alone on a background, as a pixel mask to find it on a strip.
bool showsTextAt(const Picture &p, int x, int y, const std::string &text, Rgb colour);

}  // namespace kvl::test
