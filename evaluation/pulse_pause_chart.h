// Korvalin dial tester - the pulse/pause times chart.
#pragma once

#include "measure/bench.h"

namespace kvl {

void drawPulsePauseChart(Bench &bench);

}  // namespace kvl
