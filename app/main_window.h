// Korvalin dial tester - the main window with every control and drawn face.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Opens the window and creates every control, the drawn images 0, 1, 2 and 30
// and the placeholders 31 to 41; fills the known-dial table.
void buildMainWindow(Bench &bench);

}  // namespace kvl
