// Korvalin dial tester - placeholder until this operation is built.
#include "contacts/port_names.h"

namespace kvl {

std::optional<std::string> devicePathForPort(const std::string &) { return std::nullopt; }

}  // namespace kvl
