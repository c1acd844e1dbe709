// Korvalin dial tester - drawing one dialling cycle as a test strip.
#pragma once

#include "measure/bench.h"

namespace kvl {

void drawStrip(Bench &bench);

}  // namespace kvl
