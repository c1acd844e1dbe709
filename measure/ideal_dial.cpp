// Korvalin dial tester - placeholder until this operation is built.
#include "measure/ideal_dial.h"

namespace kvl {

void showIdealDial(Bench &) {}

}  // namespace kvl
