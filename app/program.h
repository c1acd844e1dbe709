// Korvalin dial tester - program entry: start sequence, event loop and end sequence.
#pragma once

#include <string>

namespace kvl {

// Runs the start sequence, the event loop and shutDown; returns the exit code.
int runProgram(int argc, char **argv);

}  // namespace kvl
