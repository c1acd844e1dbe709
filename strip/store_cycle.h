// Korvalin dial tester - storing a cycle in the cycle history.
#pragma once

#include "measure/bench.h"

namespace kvl {

void storeCycle(Bench &bench);

}  // namespace kvl
