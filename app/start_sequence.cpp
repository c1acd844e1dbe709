// Korvalin dial tester - the order in which the program comes up.
#include "app/start_sequence.h"

#include "app/command_texts.h"
#include "app/main_window.h"
#include "contacts/discover_ports.h"
#include "measure/ideal_dial.h"
#include "resources/built_in_pictures.h"
#include "resources/dtmf_clips.h"

namespace kvl {

namespace {

constexpr int firstToneClip = 1;
constexpr int lastToneClip = 12;
// The one guard every instance of the program looks for.
constexpr const char *instanceGuardName = "KVL";

}  // namespace

StartSteps programStartSteps() {
    return {dtmfClip, loadBuiltInPictures, discoverPorts, buildMainWindow, showIdealDial};
}

std::string startDirectoryOf(const std::string &directory, char separator) {
    if (directory.empty() || directory.back() == separator) return directory;
    return directory + separator;
}

StartOutcome startSequence(Bench &bench, const StartSteps &steps) {
    Platform &platform = bench.platform;

    if (!platform.system.acquireSingleInstance(instanceGuardName)) {
        platform.dialogs.messageBox(text::alreadyRunningTitle, text::alreadyRunning);
        return StartOutcome::AlreadyRunning;
    }

    // Without sound the strips beep instead of playing their clip.
    if (platform.sound.initialise()) {
        bench.record.soundAvailable = 1;
        for (int clip = firstToneClip; clip <= lastToneClip; ++clip)
            platform.sound.loadClip(clip, steps.toneClip(clip));
    }

    steps.loadPictures(platform.pictures);
    // Font 0 is built into every Picture; there is nothing to create.

    bench.record.nsiTimes.fill(0);
    bench.record.nsaTimes.fill(0);
    bench.record.nsrTimes.fill(0);

    bench.startDirectory =
        startDirectoryOf(platform.system.currentDirectory(), platform.system.pathSeparator());

    // Its message boxes and the port chooser come before the window exists.
    steps.discoverPorts(bench);

    steps.buildMainWindow(bench);
    platform.controls.showWindow();

    bench.record.stripSlot = 0;
    steps.showIdealDial(bench);
    return StartOutcome::Running;
}

}  // namespace kvl
