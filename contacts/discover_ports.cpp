// Korvalin dial tester - placeholder until this operation is built.
#include "contacts/discover_ports.h"

namespace kvl {

void discoverPorts(Bench &) {}

}  // namespace kvl
