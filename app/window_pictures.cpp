// Korvalin dial tester - the pictures drawn for the window at start-up.
#include "app/window_pictures.h"

#include "platform/catalogue.h"

namespace kvl {

namespace {

constexpr int gaugeWidth = 280;
constexpr int gaugeHeight = 200;
constexpr int gaugeRim = 5;
constexpr int gaugeScrewRadius = 3;
constexpr Rgb digitHintColour{255, 40, 0};

struct FaceText {
    int x;
    int y;
    const char *text;
};

// A white face in a black rounded rim with four screw heads; the sliders and
// readouts are placed on it by the window.
bool drawGaugeFace(PictureStore &pictures, int number, std::initializer_list<FaceText> texts) {
    Picture *face = pictures.create(number, gaugeWidth, gaugeHeight);
    if (!face) return false;
    face->fillBox(0, 0, gaugeWidth, gaugeHeight, colours::white);
    face->fillRoundedBox(0, 0, gaugeWidth, gaugeHeight, 10, 10, colours::black);
    face->fillRoundedBox(gaugeRim, gaugeRim, gaugeWidth - 2 * gaugeRim, gaugeHeight - 2 * gaugeRim,
                         8, 8, colours::white);
    for (const FaceText &t : texts) face->text(t.x, t.y, t.text, colours::black);
    face->fillCircle(10, 10, gaugeScrewRadius, colours::black);
    face->fillCircle(11, 189, gaugeScrewRadius, colours::black);
    face->fillCircle(268, 9, gaugeScrewRadius, colours::black);
    face->fillCircle(268, 189, gaugeScrewRadius, colours::black);
    return true;
}

}  // namespace

bool drawFrequencyGaugeFace(PictureStore &pictures) {
    return drawGaugeFace(pictures, pic::frequencyGaugeFace,
                         {{90, 30, "Impulsfrequenz"},
                          {20, 60, "< zu langsam                   zu schnell >"},
                          {145, 150, "Hz"}});
}

bool drawRatioGaugeFace(PictureStore &pictures) {
    return drawGaugeFace(pictures, pic::ratioGaugeFace,
                         {{60, 30, "Impuls/Pausenverhältnis"}, {90, 150, "% nsi geschlossen"}});
}

bool drawDigitHintImage(PictureStore &pictures) {
    Picture *hint = pictures.create(pic::digitHintImage, 104, 100);
    if (!hint) return false;
    hint->fillBox(0, 0, 104, 100, colours::white);
    hint->fillRoundedBox(0, 0, 104, 100, 10, 10, digitHintColour);
    hint->text(14, 10, "zur Prüfung", colours::black);
    hint->text(22, 30, "Wahl der", colours::black);
    hint->text(20, 50, "Ziffern 2-0", colours::black);
    hint->text(14, 70, "verwenden !", colours::black);
    return true;
}

bool drawBlankStrip(PictureStore &pictures) {
    Picture *strip = pictures.create(pic::blankStrip, 1400, 150);
    if (!strip) return false;
    strip->fillBox(0, 0, 1400, 150, colours::chartBackground);
    strip->text(220, 30, "Wahl der Ziffer 2 bis 0 ", colours::coarseGridColour, TextFont::Font0);
    return true;
}

}  // namespace kvl
