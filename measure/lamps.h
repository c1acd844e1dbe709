// Korvalin dial tester - the digit and contact lamps.
#pragma once

#include "platform/controls.h"

namespace kvl {

// Lamps 1012 and 1011 to highDigitLampOff, then 1001 to 1010 to digitLampOff.
void resetDigitLamps(Controls &controls);

}  // namespace kvl
