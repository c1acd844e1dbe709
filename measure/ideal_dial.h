// Korvalin dial tester - the ideal-dial demonstration.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Draws ten strips of a synthetic perfect digit 0; the caller sets stripSlot to 0 first.
void showIdealDial(Bench &bench);

}  // namespace kvl
