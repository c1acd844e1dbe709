// Korvalin dial tester - placeholder until this operation is built.
#include "strip/printing.h"

namespace kvl {

void printPage(Bench &) {}

}  // namespace kvl
