// Korvalin dial tester - saving the strips as one picture file.
#include "strip/strip_export.h"

#include <algorithm>
#include <vector>

#include "platform/catalogue.h"
#include "strip/bmp_writer.h"
#include "strip/jpeg_writer.h"
#include "strip/strip_geometry.h"

namespace kvl {
namespace {

constexpr int jpegPatternIndex = 1;
// The writer's scale runs 0..10; 10 gives libjpeg's quality 100, since the
// strips are measurements and must not be blurred.
constexpr int bestJpegQuality = 10;

}  // namespace

void saveStrips(Bench &bench) {
    Platform &platform = bench.platform;
    Picture *image =
        platform.pictures.create(pic::exportImage, strip::exportWidth, strip::exportHeight);
    if (image) {
        const int last = std::clamp(bench.record.stripSlot, 0, strip::slots);
        for (int n = 1; n <= last; ++n)
            if (const Picture *s = platform.pictures.find(pic::stripImage(n)))
                image->drawPicture(*s, 0, (n - 1) * strip::exportRowPitch);
    }

    const std::vector<FilePattern> patterns{{"Image (*.bmp)", "*.bmp"}, {"Image (*.jpg)", "*.jpg"}};
    const SaveChoice choice = platform.dialogs.saveDialog(
        "Bitte Dateiname und Format wählen", bench.startDirectory + "NS-Prüfstreifen", patterns, 0);
    if (choice.path.empty()) return;

    // The picture is looked up again: the dialog ran the event loop meanwhile.
    const Picture *saved = image ? platform.pictures.find(pic::exportImage) : nullptr;
    bool ok = false;
    if (saved) {
        ok = choice.patternIndex == jpegPatternIndex
                 ? writeJpeg(*saved, choice.path + ".jpg", bestJpegQuality)
                 : writeBmp(*saved, choice.path + ".bmp");
    }
    if (ok)
        platform.dialogs.messageBox("Erfolg !", "Prüfstreifen wurde gespeichert");
    else
        platform.dialogs.messageBox("Fehler !", "Prüfstreifen wurde nicht gespeichert");
}

}  // namespace kvl
