// Korvalin dial tester tests - the window's controls as buildMainWindow leaves them.
#pragma once

#include "tests/support/fake_platform.h"

namespace kvl::test {

// Creates on the fake the controls that the command actions touch, in the
// state right after start-up: measurement layout, test off, "EP1", help
// controls and chart views hidden, the ten-cycle row enabled (as the
// start-up demonstration leaves it).
void presetInitialWindow(FakeControls &controls);

// The commands 100 to 160 in catalogue order.
extern const int commandControls[7];

}  // namespace kvl::test
