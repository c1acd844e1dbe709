// Korvalin dial tester - the running-time changes chart.
#pragma once

#include "measure/bench.h"

namespace kvl {

void drawRunningTimeChart(Bench &bench);

}  // namespace kvl
