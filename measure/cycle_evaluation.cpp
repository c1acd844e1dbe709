// Korvalin dial tester - placeholder until this operation is built.
#include "measure/cycle_evaluation.h"

namespace kvl {

void evaluateCycle(Bench &) {}
void checkEvaluability(Bench &) {}

}  // namespace kvl
