// Korvalin dial tester - placeholder until this operation is built.
#include "reference/dial_table.h"

namespace kvl {

void fillDialTable(Controls &) {}

}  // namespace kvl
