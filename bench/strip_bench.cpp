// Korvalin dial tester - how long drawing a strip and saving the strips take.
// A strip is drawn inside a pass of the sampling loop, so its cost is time in
// which no contact line is read; the figures show how much that is.
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "strip/bmp_writer.h"
#include "strip/draw_strip.h"
#include "strip/jpeg_writer.h"
#include "strip/strip_export.h"
#include "tests/support/fake_platform.h"
#include "tests/support/strip_cycles.h"
#include "tests/support/temp_folder.h"

namespace {

void report(const char *what, int runs, const std::function<void()> &work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    std::printf("%-52s %8.2f ms per run (%d runs)\n", what, spent.count() / runs, runs);
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace kvl;

    test::FakePlatform fp;
    fp.record.soundAvailable = 1;
    test::fillDemoCycle(fp.record);
    fp.record.demoMode = 0;
    report("drawStrip, digit 0", 50, [&] { drawStrip(fp.bench); });

    // A stale nsa tick from a much earlier cycle puts the step far off the strip.
    fp.record.cycleOrigin = 2000000000;
    fp.record.nsaTimes[1] = 0;
    fp.record.nsrTimes[1] = 0;
    report("drawStrip, nsa and nsr steps 2e9 ms off the strip", 50, [&] { drawStrip(fp.bench); });

    test::TempFolder dir;
    Picture image(1400, 1600);
    for (int n = 1; n <= 10; ++n) image.drawPicture(*fp.pictures.find(30 + n), 0, (n - 1) * 160);
    report("writeBmp, 1400 x 1600", 5, [&] { writeBmp(image, dir.file("s.bmp")); });
    report("writeJpeg, 1400 x 1600, quality 100", 5,
           [&] { writeJpeg(image, dir.file("s.jpg"), 10); });
    return 0;
}
