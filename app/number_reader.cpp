// Korvalin dial tester - placeholder until this operation is built.
#include "app/number_reader.h"

namespace kvl {

std::int32_t readNumber(const std::string &) { return 0; }

}  // namespace kvl
