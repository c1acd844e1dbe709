// Korvalin dial tester - the digit and contact lamps.
#include "measure/lamps.h"

#include "platform/catalogue.h"

namespace kvl {

void resetDigitLamps(Controls &controls) {
    controls.setPicture(ctl::digitLamp(12), pic::highDigitLampOff);
    controls.setPicture(ctl::digitLamp(11), pic::highDigitLampOff);
    for (int n = 1; n <= 10; ++n) controls.setPicture(ctl::digitLamp(n), pic::digitLampOff);
}

}  // namespace kvl
