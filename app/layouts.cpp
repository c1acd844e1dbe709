// Korvalin dial tester - moving the lower window area between its layouts.
#include "app/command_texts.h"
#include "app/dispatch.h"
#include "app/number_reader.h"
#include "platform/catalogue.h"

namespace kvl {

namespace {

// What the measurement and evaluation layouts share below the gauges and
// the help layout hides: the credit line and the ten-cycle row with its frame.
void showEvaluationRow(Controls &controls, bool visible) {
    controls.setVisible(ctl::creditLabel, visible);
    controls.setVisible(ctl::runningTimeButton, visible);
    controls.setVisible(ctl::pulsePauseButton, visible);
    controls.setVisible(ctl::leaveEvaluationButton, visible);
    for (int bar = ctl::firstEvaluationFrameBar; bar <= ctl::lastEvaluationFrameBar; ++bar)
        controls.setVisible(bar, visible);
    controls.setVisible(ctl::tenCycleLabel, visible);
}

}  // namespace

void enterHelpMode(Bench &bench) {
    Controls &controls = bench.platform.controls;
    controls.setVisible(ctl::stripScrollArea, false);
    showEvaluationRow(controls, false);
    controls.setVisible(ctl::dialTable, false);
    controls.setVisible(ctl::helpPicture, true);
    controls.setVisible(ctl::helpPageButton, true);
    controls.setText(ctl::helpPageButton, text::helpPage1);
    controls.setPicture(ctl::helpPicture, pic::wiringPicture);
}

void enterMeasurementMode(Bench &bench) {
    Controls &controls = bench.platform.controls;
    controls.setVisible(ctl::helpPicture, false);
    controls.setVisible(ctl::helpPageButton, false);
    controls.setVisible(ctl::stripScrollArea, true);
    showEvaluationRow(controls, true);
    controls.setVisible(ctl::dialTable, false);
    // The printing tells strips from help pages by this text being empty.
    controls.setText(ctl::helpPageButton, "");
}

void stepHelpPage(Bench &bench) {
    Controls &controls = bench.platform.controls;
    // The page button's text is the current page.
    switch (readNumber(controls.text(ctl::helpPageButton))) {
        case 1:
            controls.setText(ctl::helpPageButton, text::helpPage2);
            controls.setPicture(ctl::helpPicture, pic::relayInterfacePicture);
            break;
        case 2:
            controls.setText(ctl::helpPageButton, text::helpPage3);
            controls.setVisible(ctl::helpPicture, false);
            controls.setVisible(ctl::dialTable, true);
            break;
        case 3:
            controls.setVisible(ctl::dialTable, false);
            controls.setVisible(ctl::helpPicture, true);
            controls.setText(ctl::helpPageButton, text::helpPage1);
            controls.setPicture(ctl::helpPicture, pic::wiringPicture);
            break;
        default:
            break;
    }
}

void leaveEvaluation(Bench &bench) {
    Controls &controls = bench.platform.controls;
    for (int id : {ctl::testToggle, ctl::idealDialButton, ctl::printButton, ctl::saveButton,
                   ctl::helpButton, ctl::exitButton, ctl::bounceButton})
        controls.setEnabled(id, true);
    controls.setVisible(ctl::runningTimeChartView, false);
    controls.setVisible(ctl::pulsePauseChartView, false);
    controls.setVisible(ctl::stripScrollArea, true);
    controls.setText(ctl::testToggle, text::testOff);
}

}  // namespace kvl
