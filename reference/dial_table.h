// Korvalin dial tester - the table of known dials.
#pragma once

#include "platform/controls.h"

namespace kvl {

constexpr int dialRowLast = 7;

// Adds the eight rows of known dials to dialTable, whose columns exist already.
void fillDialTable(Controls &controls);

}  // namespace kvl
