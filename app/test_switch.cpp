// Korvalin dial tester - switching the test on and off.
#include <chrono>

#include "app/command_texts.h"
#include "app/dispatch.h"
#include "measure/pulse_capture.h"
#include "platform/catalogue.h"

namespace kvl {

namespace {

// RTS reaches the contacts through the dial's wiring and, on a relay
// interface, through reed relays that need a few milliseconds to pull in;
// nsi is read only after the lines have settled.
constexpr std::chrono::milliseconds rtsSettleTime{100};

// Room for the first strip and the gap to the second; the strip renderer
// widens the inner area as further strips arrive.
constexpr int firstStripInnerWidth = 1450;

// The commands that a running test locks; the toggle itself stays usable.
constexpr int lockedCommands[] = {ctl::idealDialButton, ctl::printButton, ctl::saveButton,
                                  ctl::helpButton,      ctl::exitButton,  ctl::bounceButton};

void enableCommands(Controls &controls, bool enabled) {
    for (int id : lockedCommands) controls.setEnabled(id, enabled);
}

void resetBounceCompensation(Bench &bench) {
    bench.record.bounceDelay = 0;
    bench.platform.controls.setText(ctl::bounceButton, std::string(text::bouncePrefix) + "1");
}

}  // namespace

bool switchTestOnAndDispatch(Bench &bench) {
    Controls &controls = bench.platform.controls;
    ContactLines &lines = bench.platform.lines;

    controls.setText(ctl::testToggle, text::testOn);
    enableCommands(controls, false);
    // Without a port the toggle only changes its look; the next press
    // switches it back through switchTestOff.
    if (bench.selectedPort.empty()) return true;

    // A failed open is caught by the nsi check below: with no port open
    // every line reads 0.
    lines.openContactPort(bench.selectedPort);
    lines.setRts(true);
    bench.platform.clock.sleepMs(static_cast<int>(rtsSettleTime.count()));

    if (lines.readLine(ModemLine::Dcd) == 0) {
        bench.platform.dialogs.messageBox(text::noTestTitle, text::nsiOpen);
        controls.setState(ctl::testToggle, 0);
        controls.setText(ctl::testToggle, text::testOff);
        lines.closeContactPort();
        enableCommands(controls, true);
        resetBounceCompensation(bench);
        return true;
    }

    controls.setPicture(ctl::nsiLamp, pic::contactLampOn);
    bench.record.nsiState = 1;
    const int nsr = lines.readLine(ModemLine::Dsr) == 1 ? 1 : 0;
    controls.setPicture(ctl::nsrLamp, nsr ? pic::contactLampOn : pic::contactLampOff);
    bench.record.nsrState = nsr;
    bench.record.stripSlot = 0;
    controls.setScrollInnerWidth(ctl::stripScrollArea, firstStripInnerWidth);
    controls.setScrollPosition(ctl::stripScrollArea, 0);
    controls.setPicture(ctl::stripView(1), pic::blankStrip);
    controls.setEnabled(ctl::runningTimeButton, false);
    controls.setEnabled(ctl::pulsePauseButton, false);
    controls.setEnabled(ctl::leaveEvaluationButton, false);

    const int endedBy = runCapture(bench);
    // The capture is over whatever ended it; a toggle still reading pressed
    // would start the next test at once when the toggle's action runs.
    controls.setState(ctl::testToggle, 0);
    return dispatchControl(bench, endedBy);
}

void switchTestOn(Bench &bench) {
    switchTestOnAndDispatch(bench);
}

void switchTestOff(Bench &bench) {
    Controls &controls = bench.platform.controls;
    controls.setText(ctl::testToggle, text::testOff);
    bench.platform.lines.closeContactPort();
    enableCommands(controls, true);
    resetBounceCompensation(bench);
}

}  // namespace kvl
