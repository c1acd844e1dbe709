// Korvalin dial tester tests - dialling cycles in their evaluated form, as the
// strip renderer and the cycle history receive them, and ways to look at strips.
#include "tests/support/strip_cycles.h"

#include <algorithm>

namespace kvl::test {

void fillDemoCycle(PulseRecord &r) {
    r.cycleOrigin = 0;
    r.nsiTimes[0] = 0;
    r.nsiTimes[1] = 62;
    for (int i = 2; i <= 18; i += 2) {
        r.nsiTimes[i] = 50 * i;
        r.nsiTimes[i + 1] = r.nsiTimes[i] + 62;
    }
    r.nsiTimes[20] = TimeSentinel;
    r.nsiCount = 20;
    r.nsaTimes[0] = 0;
    r.nsaTimes[1] = 980;
    r.nsrTimes[0] = 0;
    r.nsrTimes[1] = 980;
    r.nsrCount = 2;
    r.nsaAbsent = 0;
    r.demoMode = 1;
}

void fillMeasuredCycle(PulseRecord &r, const std::vector<std::int32_t> &nsiTimes,
                       std::int32_t origin, std::int32_t endMs) {
    for (size_t i = 0; i < nsiTimes.size() && i < r.nsiTimes.size(); ++i)
        r.nsiTimes[i] = nsiTimes[i];
    r.nsiCount = static_cast<std::int32_t>(nsiTimes.size());
    if (nsiTimes.size() < r.nsiTimes.size()) r.nsiTimes[nsiTimes.size()] = TimeSentinel;
    r.cycleOrigin = origin;
    r.nsaTimes[0] = origin - 300;
    r.nsaTimes[1] = static_cast<std::int32_t>(static_cast<std::uint32_t>(origin) +
                                              static_cast<std::uint32_t>(endMs));
    r.nsrTimes[0] = r.nsaTimes[0];
    r.nsrTimes[1] = r.nsaTimes[1];
    r.nsrCount = 2;
    r.nsaAbsent = 0;
    r.demoMode = 0;
    r.cycleEvaluated = 1;
}

std::vector<std::int32_t> idealPulses(int pulses) {
    std::vector<std::int32_t> t;
    for (int k = 0; k < pulses; ++k) {
        t.push_back(100 * k);
        t.push_back(100 * k + 62);
    }
    return t;
}

Box boundingBox(const Picture &p, Rgb colour, int x0, int y0, int x1, int y1) {
    Box b{x1 + 1, y1 + 1, x0 - 1, y0 - 1};
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (p.pixel(x, y) == colour) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    if (b.right < b.left) return Box{};
    return b;
}

int columnCount(const Picture &p, int x, int y0, int y1, Rgb colour) {
    int n = 0;
    for (int y = y0; y <= y1; ++y) n += p.pixel(x, y) == colour;
    return n;
}

int rowCount(const Picture &p, int y, int x0, int x1, Rgb colour) {
    int n = 0;
    for (int x = x0; x <= x1; ++x) n += p.pixel(x, y) == colour;
    return n;
}

bool showsTextAt(const Picture &p, int x, int y, const std::string &text, Rgb colour) {
    // The text rendered on its own, with a margin, gives the pixels it must
    // have set on the strip; a background no text uses tells them apart.
    const Rgb ground{1, 2, 3};
    Picture alone(p.width(), p.height());
    alone.fillBox(0, 0, p.width(), p.height(), ground);
    alone.text(x, y, text, colour);
    int inked = 0;
    for (int yy = 0; yy < p.height(); ++yy)
        for (int xx = 0; xx < p.width(); ++xx)
            if (alone.pixel(xx, yy) == colour) {
                ++inked;
                if (p.pixel(xx, yy) != colour) return false;
            }
    return inked > 0;
}

}  // namespace kvl::test
