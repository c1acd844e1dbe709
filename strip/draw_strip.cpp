// Korvalin dial tester - placeholder until this operation is built.
#include "strip/draw_strip.h"

namespace kvl {

void drawStrip(Bench &) {}

}  // namespace kvl
