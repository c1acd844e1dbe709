// Korvalin dial tester - the evaluation of a finished dialling cycle.
#pragma once

#include "measure/bench.h"

namespace kvl {

void evaluateCycle(Bench &bench);
void checkEvaluability(Bench &bench);

}  // namespace kvl
