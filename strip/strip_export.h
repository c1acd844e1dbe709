// Korvalin dial tester - saving the strips as one picture file.
#pragma once

#include "measure/bench.h"

namespace kvl {

void saveStrips(Bench &bench);

}  // namespace kvl
