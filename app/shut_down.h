// Korvalin dial tester - the one end sequence of the program.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Sound, serial port, controls and window, pictures, the records - released
// in that order. Returns the exit code (0); the caller ends the process.
int shutDown(Bench &bench);

}  // namespace kvl
