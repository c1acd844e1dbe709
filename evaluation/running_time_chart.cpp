// Korvalin dial tester - placeholder until this operation is built.
#include "evaluation/running_time_chart.h"

namespace kvl {

void drawRunningTimeChart(Bench &) {}

}  // namespace kvl
