// Korvalin dial tester - finding and choosing the serial port at start-up.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Probes COM1 .. COM26, reports the outcome and sets bench.selectedPort.
void discoverPorts(Bench &bench);

}  // namespace kvl
