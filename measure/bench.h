// Korvalin dial tester - what every operation of measuring, drawing and
// evaluating works on: the platform, the two shared records and the few
// texts of the start-up.
#pragma once

#include <string>

#include "measure/pulse_record.h"
#include "platform/platform.h"
#include "strip/cycle_history.h"

namespace kvl {

struct Bench {
    Platform &platform;
    PulseRecord &record;
    CycleHistory &history;
    // The serial port chosen at start-up ("COM" and a number), empty when none.
    std::string selectedPort;
    // The working directory at start-up, ending in the path separator.
    std::string startDirectory;
};

}  // namespace kvl
