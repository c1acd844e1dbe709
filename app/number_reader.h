// Korvalin dial tester - the integer value of a typed text.
#pragma once

#include <cstdint>
#include <string>

namespace kvl {

// Leading blanks and tabs skipped, an optional sign, then decimal digits up to
// the first other character ("$" introduces hexadecimal, "%" binary digits);
// no digits give 0. The value saturates instead of overflowing.
std::int32_t readNumber(const std::string &text);

}  // namespace kvl
