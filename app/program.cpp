// Korvalin dial tester - program entry: the Qt side, start, event loop and end.
#include "app/program.h"

#include <QApplication>

#include "app/dispatch.h"
#include "app/shut_down.h"
#include "app/start_sequence.h"
#include "contacts/serial_contact_lines.h"
#include "platform/qt/host_system.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_sound.h"
#include "platform/qt/system_clock.h"

namespace kvl {

int runProgram(int argc, char **argv) {
    QApplication application(argc, argv);

    MemoryPictureStore pictures;
    QtControls controls(pictures);
    QtEvents events(controls);
    QtDialogs dialogs(controls);
    SystemClock clock;
    QtSound sound(clock);
    SerialContactLines lines;
    HostSystem system;
    Platform platform{controls, pictures, events, dialogs, sound, lines, clock, system};

    PulseRecord record;
    CycleHistory history;
    Bench bench{platform, record, history, {}, {}};

    if (startSequence(bench) == StartOutcome::Running) runEventLoop(bench);
    return shutDown(bench);
}

}  // namespace kvl
