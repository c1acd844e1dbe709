// Korvalin dial tester - the order in which the program comes up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "measure/bench.h"

namespace kvl {

// The operations of other parts that the start sequence calls, replaceable so
// that the order can be watched; the defaults are the program's own.
struct StartSteps {
    std::function<std::vector<std::uint8_t>(int)> toneClip;
    std::function<void(PictureStore &)> loadPictures;
    std::function<void(Bench &)> discoverPorts;
    std::function<void(Bench &)> buildMainWindow;
    std::function<void(Bench &)> showIdealDial;
};
StartSteps programStartSteps();

enum class StartOutcome {
    Running,         // the window is up; the event loop comes next
    AlreadyRunning,  // a second instance: told so, no window; shutDown comes next
};

// Guard, sound and clips, pictures, records, start directory, port
// discovery, main window, one demonstration. Does not end the process.
StartOutcome startSequence(Bench &bench, const StartSteps &steps = programStartSteps());

// The working directory as the save dialog's default folder: with one
// separator at its end. An unknown directory stays empty.
std::string startDirectoryOf(const std::string &directory, char separator);

}  // namespace kvl
