// Korvalin dial tester - placeholder until this operation is built.
#include "app/dispatch.h"

namespace kvl {

void runEventLoop(Bench &) {}
bool dispatchControl(Bench &, int) { return true; }
void switchTestOn(Bench &) {}
void switchTestOff(Bench &) {}
void setBounceCompensation(Bench &) {}
void enterHelpMode(Bench &) {}
void enterMeasurementMode(Bench &) {}
void stepHelpPage(Bench &) {}
void leaveEvaluation(Bench &) {}

}  // namespace kvl
