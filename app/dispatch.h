// Korvalin dial tester - the event loop and the action behind every control.
#pragma once

#include "measure/bench.h"

namespace kvl {

// Waits for window events without a time limit and runs each control action
// once; returns when the program must end (exit button or close request).
void runEventLoop(Bench &bench);
// Runs the action of one control; false when that action ends the program.
bool dispatchControl(Bench &bench, int control);

void switchTestOn(Bench &bench);
void switchTestOff(Bench &bench);
void setBounceCompensation(Bench &bench);
void enterHelpMode(Bench &bench);
void enterMeasurementMode(Bench &bench);
void stepHelpPage(Bench &bench);
void leaveEvaluation(Bench &bench);

// switchTestOn as the dispatcher runs it: the action of the control that
// ended the capture runs afterwards, and false means that action ends the program.
bool switchTestOnAndDispatch(Bench &bench);

}  // namespace kvl
