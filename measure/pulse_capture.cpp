// Korvalin dial tester - placeholder until this operation is built.
#include "measure/pulse_capture.h"

namespace kvl {

int runCapture(Bench &) { return 100; }

}  // namespace kvl
