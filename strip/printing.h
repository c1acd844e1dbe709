// Korvalin dial tester - printing the strips or the help pages.
#pragma once

#include "measure/bench.h"

namespace kvl {

void printPage(Bench &bench);

}  // namespace kvl
