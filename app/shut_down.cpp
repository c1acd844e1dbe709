// Korvalin dial tester - the one end sequence of the program.
#include "app/shut_down.h"

namespace kvl {

int shutDown(Bench &bench) {
    Platform &platform = bench.platform;
    platform.sound.shutdown();
    platform.lines.closeContactPort();
    platform.controls.destroyAll();
    platform.pictures.clear();
    bench.record = PulseRecord{};
    bench.history = CycleHistory{};
    return 0;
}

}  // namespace kvl
