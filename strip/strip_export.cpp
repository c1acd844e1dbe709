// Korvalin dial tester - placeholder until this operation is built.
#include "strip/strip_export.h"

namespace kvl {

void saveStrips(Bench &) {}

}  // namespace kvl
