// Korvalin dial tester - the sampling loop of a running test.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Samples the contact lines until the test is switched off or another control
// is used; returns the number of that control (100 for the toggle).
int runCapture(Bench &bench);

}  // namespace kvl
