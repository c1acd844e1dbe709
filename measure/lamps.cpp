// Korvalin dial tester - placeholder until this operation is built.
#include "measure/lamps.h"

namespace kvl {

void resetDigitLamps(Controls &) {}

}  // namespace kvl
