// Korvalin dial tester - the event loop and the command table.
#include "app/dispatch.h"

#include "evaluation/pulse_pause_chart.h"
#include "evaluation/running_time_chart.h"
#include "measure/ideal_dial.h"
#include "platform/catalogue.h"
#include "strip/printing.h"
#include "strip/strip_export.h"

namespace kvl {

void runEventLoop(Bench &bench) {
    while (true) {
        const WindowEvent event = bench.platform.events.waitEvent();
        if (event.kind == WindowEvent::Kind::Close) return;
        if (event.kind != WindowEvent::Kind::Control) continue;
        if (!dispatchControl(bench, event.control)) return;
    }
}

bool dispatchControl(Bench &bench, int control) {
    switch (control) {
        case ctl::testToggle:
            enterMeasurementMode(bench);
            if (bench.platform.controls.state(ctl::testToggle) == 1)
                return switchTestOnAndDispatch(bench);
            switchTestOff(bench);
            return true;
        case ctl::idealDialButton:
            enterMeasurementMode(bench);
            bench.record.stripSlot = 0;
            showIdealDial(bench);
            return true;
        case ctl::printButton:
            printPage(bench);
            return true;
        case ctl::saveButton:
            enterMeasurementMode(bench);
            saveStrips(bench);
            return true;
        case ctl::helpButton:
            enterHelpMode(bench);
            return true;
        case ctl::exitButton:
            return false;
        case ctl::bounceButton:
            setBounceCompensation(bench);
            return true;
        case ctl::runningTimeButton:
            drawRunningTimeChart(bench);
            return true;
        case ctl::pulsePauseButton:
            drawPulsePauseChart(bench);
            return true;
        case ctl::leaveEvaluationButton:
            leaveEvaluation(bench);
            return true;
        case ctl::helpPageButton:
            stepHelpPage(bench);
            return true;
        default:
            return true;  // controls without an action
    }
}

}  // namespace kvl
