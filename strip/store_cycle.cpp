// Korvalin dial tester - placeholder until this operation is built.
#include "strip/store_cycle.h"

namespace kvl {

void storeCycle(Bench &) {}

}  // namespace kvl
