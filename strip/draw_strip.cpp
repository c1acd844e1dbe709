// Korvalin dial tester - drawing one dialling cycle as a test strip.
#include "strip/draw_strip.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/catalogue.h"
#include "strip/store_cycle.h"
#include "strip/strip_geometry.h"

namespace kvl {
namespace {

constexpr int toneBeepHz = 450;
// Long enough to be heard as a sign of the cycle, short enough that the
// sampling loop it holds up is back before the next winding of the dial.
constexpr std::chrono::milliseconds toneBeepDuration{200};

// Rows of the two levels of each band: closed beside "zu", open beside "auf".
constexpr int nsiClosedRow = 10;
constexpr int nsiOpenRow = 40;
constexpr int nsrClosedRow = 60;
constexpr int nsrOpenRow = 90;
constexpr int nsaClosedRow = 110;
constexpr int nsaOpenRow = 140;
constexpr int leadInX = 50;
constexpr int pulseNumberRow = 20;
// The pulse number stands in the middle of its open interval, moved left by
// about half the width of a digit.
constexpr int pulseNumberShift = 96;
constexpr int gridStep = 10;
constexpr int coarseStep = 100;
constexpr int fineGridRightEnd = 1500;
constexpr int scaleRow = 135;
constexpr int textLeft = 150;

const std::string demoText = "- nur Beispiel für einen idealen Nummernschalter ! -";
const std::string bounceHint = "veränderte Kompensierung der Prellzeit !";

// A time far off the strip (a stale nsa or nsr tick, a garbled entry) is
// pulled in to just outside the picture. The visible pixels stay the same,
// no sum overflows, and no line is walked for millions of invisible steps
// while the sampling loop waits.
int onStrip(long long x) {
    return static_cast<int>(std::clamp<long long>(x, -2, strip::width + 1));
}

long long stripX(std::int32_t time) {
    return static_cast<long long>(time) + strip::timeOffset;
}

void horizontal(Picture &p, long long x1, long long x2, int y) {
    p.line(onStrip(x1), y, onStrip(x2), y, colours::black);
}

void vertical(Picture &p, long long x, int y1, int y2) {
    p.line(onStrip(x), y1, onStrip(x), y2, colours::black);
}

// A one-row segment from time `from` up to (not including) time `to`.
void level(Picture &p, std::int32_t from, std::int32_t to, int y) {
    const long long x = stripX(from);
    const long long end = stripX(to);
    if (end <= x) return;
    const int left = onStrip(x);
    p.lineByExtent(left, y, onStrip(end) - left, 1, colours::black);
}

void drawGrid(Picture &p) {
    p.fillBox(0, 0, strip::width, strip::height, colours::chartBackground);
    for (int x = 0; x <= strip::width; x += gridStep)
        p.line(x, 0, x, strip::height, colours::fineGridColour);
    for (int y = gridStep; y <= strip::height - gridStep; y += gridStep)
        p.line(0, y, fineGridRightEnd, y, colours::fineGridColour);
    for (int x = coarseStep; x <= 1300; x += coarseStep)
        p.line(x, 0, x, strip::height, colours::coarseGridColour);
    // The bottom border ends one row below the picture, so only its left half
    // lies on the last row; kept so that strips look as they always have.
    const Rgb c = colours::coarseGridColour;
    p.line(0, 0, 1400, 0, c);
    p.line(0, 149, 1400, 150, c);
    p.line(0, 0, 0, 150, c);
    p.line(1399, 0, 1399, 150, c);
    p.line(0, 50, 1400, 50, c);
    p.line(0, 100, 1400, 100, c);
}

void drawLabels(Picture &p, int slot) {
    p.text(10, 17, "nsi", colours::black);
    p.text(0, 0, std::to_string(slot), colours::red);
    p.text(10, 67, "nsr", colours::black);
    p.text(10, 117, "nsa", colours::black);
    for (int y : {0, 50, 100}) {
        p.text(31, y, "zu", colours::coarseGridColour);
        p.text(31, y + 33, "auf", colours::coarseGridColour);
    }
    for (int x = coarseStep; x <= 1300; x += coarseStep)
        p.text(x - 10, scaleRow, std::to_string(x - strip::timeOffset), colours::coarseGridColour);
    p.text(1375, scaleRow, "ms", colours::coarseGridColour);
}

void drawNsi(Picture &p, const PulseRecord &r) {
    const auto &t = r.nsiTimes;
    horizontal(p, leadInX, strip::timeOffset, nsiClosedRow);
    // The sentinel stands at index N; a count beyond the array's last index
    // is never trusted, so t[i + 2] below stays inside the array.
    const int n = std::clamp<std::int32_t>(r.nsiCount, 0, nsiSlots - 1);
    for (int i = 0; i < n; i += 2) {
        if (i + 1 < n) level(p, t[i + 1], t[i + 2], nsiClosedRow);
        level(p, t[i], t[i + 1], nsiOpenRow);
        const long long numberX =
            static_cast<long long>(t[i]) +
            (static_cast<long long>(t[i + 1]) - static_cast<long long>(t[i])) / 2 +
            pulseNumberShift;
        p.text(static_cast<int>(std::clamp<long long>(numberX, -100, strip::width)), pulseNumberRow,
               std::to_string(i / 2 + 1), colours::coarseGridColour);
        vertical(p, stripX(t[i + 1]), nsiClosedRow, nsiOpenRow);
        vertical(p, stripX(t[i]), nsiClosedRow, nsiOpenRow);
    }
}

// A contact drawn as one step: from before the cycle's start up to `at` on
// `before`, then on `after` to the strip's right edge.
void drawStep(Picture &p, std::int32_t at, int before, int after) {
    const long long x = stripX(at);
    horizontal(p, leadInX, strip::timeOffset, before);
    horizontal(p, strip::timeOffset, x, before);
    vertical(p, x, before, after);
    horizontal(p, x, strip::width, after);
}

std::string dateTimeStamp(const LocalDateTime &d) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d  %02d:%02d:%02d", d.day, d.month, d.year,
                  d.hour, d.minute, d.second);
    return text;
}

}  // namespace

void drawStrip(Bench &bench) {
    PulseRecord &r = bench.record;
    Platform &platform = bench.platform;

    if (r.soundAvailable)
        platform.sound.playClip(r.nsiCount / 2);
    else
        platform.sound.beep(toneBeepHz, static_cast<int>(toneBeepDuration.count()));

    r.stripSlot = (r.stripSlot >= 0 && r.stripSlot < strip::slots) ? r.stripSlot + 1 : 1;
    const int slot = r.stripSlot;

    Picture *picture = platform.pictures.create(pic::stripImage(slot), strip::width, strip::height);
    if (!picture) return;
    Picture &p = *picture;

    drawGrid(p);
    drawLabels(p, slot);
    drawNsi(p, r);

    if (r.nsaAbsent)
        p.text(textLeft, 118, "- kein nsa extra angeschlossen -", colours::coarseGridColour);
    else
        drawStep(p, tickDiff(r.nsaTimes[1], r.cycleOrigin), nsaClosedRow, nsaOpenRow);

    if (r.nsrCount != 0)
        drawStep(p, tickDiff(r.nsrTimes[1], r.cycleOrigin), nsrOpenRow, nsrClosedRow);
    else
        p.text(textLeft, 68, "- kein nsr extra angeschlossen -", colours::coarseGridColour);

    if (r.demoMode) {
        for (int y : {68, 118, 18}) p.text(textLeft, y, demoText, colours::coarseGridColour);
    } else {
        p.text(1255, 100, dateTimeStamp(platform.clock.localDateTime()), colours::coarseGridColour);
    }

    storeCycle(bench);

    if (r.bounceDelay >= 1 && !r.demoMode) p.text(1125, 18, bounceHint, colours::coarseGridColour);

    platform.controls.setPicture(ctl::stripView(slot), pic::stripImage(slot));
    platform.controls.setScrollInnerWidth(ctl::stripScrollArea, slot * strip::viewPitch);
    platform.controls.setScrollPosition(ctl::stripScrollArea, (slot - 1) * strip::viewPitch);
}

}  // namespace kvl
