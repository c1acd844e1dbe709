// Korvalin dial tester - placeholder until this operation is built.
#include "evaluation/pulse_pause_chart.h"

namespace kvl {

void drawPulsePauseChart(Bench &) {}

}  // namespace kvl
