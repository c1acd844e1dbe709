// Korvalin dial tester tests - the window's controls as buildMainWindow leaves them.
#include "tests/support/initial_window.h"

#include "platform/catalogue.h"

namespace kvl::test {

const int commandControls[7] = {ctl::testToggle,  ctl::idealDialButton, ctl::printButton,
                                ctl::saveButton,  ctl::helpButton,      ctl::exitButton,
                                ctl::bounceButton};

void presetInitialWindow(FakeControls &c) {
    c.createToggle(ctl::testToggle, Rect{1110, 10, 160, 25}, "Prüfung EINSCHALTEN");
    c.createButton(ctl::idealDialButton, Rect{1110, 45, 160, 25}, "Idealer Nummernschalter");
    c.createButton(ctl::printButton, Rect{1110, 80, 160, 25}, "Druck Prüfstreifen");
    c.createButton(ctl::saveButton, Rect{1110, 115, 160, 25}, "Speichern Prüfstreifen BMP/JPG");
    c.createButton(ctl::helpButton, Rect{1110, 150, 160, 25}, "Hilfe COM und Programm");
    c.createButton(ctl::exitButton, Rect{1110, 185, 160, 25}, "Programm Ende");
    c.createButton(ctl::bounceButton, Rect{1065, 10, 32, 25}, "EP1");
    c.createLabel(ctl::creditLabel, Rect{1190, 440, 80, 12}, "credit", Rgb{128, 128, 236},
                  std::nullopt);
    c.createList(ctl::dialTable, Rect{10, 225, 1200, 205}, Rgb{2, 2, 242}, Rgb{215, 215, 226});
    c.setVisible(ctl::dialTable, false);
    c.createImageView(ctl::helpPicture, Rect{10, 225, 1200, 250}, pic::wiringPicture, 0);
    c.setVisible(ctl::helpPicture, false);
    c.createButton(ctl::helpPageButton, Rect{1220, 400, 25, 25}, "");
    c.setVisible(ctl::helpPageButton, false);
    c.createLabel(ctl::tenCycleLabel, Rect{25, 427, 280, 18},
                  "Auswertung nach 10 Prüfzyklen Wahl gleicher Ziffer >>>", std::nullopt,
                  std::nullopt);
    c.createButton(ctl::runningTimeButton, Rect{310, 422, 160, 20}, "Änderungen der rel. Laufzeit");
    c.createButton(ctl::pulsePauseButton, Rect{540, 422, 160, 20}, "Impuls/Pausenzeiten nsi");
    c.createButton(ctl::leaveEvaluationButton, Rect{948, 422, 160, 20}, "Verlassen der Auswertung");
    for (int bar = ctl::firstEvaluationFrameBar; bar <= ctl::lastEvaluationFrameBar; ++bar)
        c.createLabel(bar, Rect{}, "", std::nullopt, Rgb{128, 128, 118});
    c.createImageView(ctl::runningTimeChartView, Rect{10, 225, 1100, 190}, pic::wiringPicture, 0);
    c.setVisible(ctl::runningTimeChartView, false);
    c.createImageView(ctl::pulsePauseChartView, Rect{10, 225, 1100, 190}, pic::wiringPicture, 0);
    c.setVisible(ctl::pulsePauseChartView, false);
    c.createScrollArea(ctl::stripScrollArea, Rect{10, 240, 1260, 175}, 1400, 150, 10);
    for (int slot = 1; slot <= 10; ++slot)
        c.createImageView(ctl::stripView(slot), Rect{(slot - 1) * 1450, 0, 1, 1},
                          pic::stripImage(slot), ctl::stripScrollArea);
    c.createImageView(ctl::nsiLamp, Rect{450, 13, 16, 16}, pic::contactLampOff, 0);
    c.createImageView(ctl::nsrLamp, Rect{450, 33, 16, 16}, pic::contactLampOff, 0);
    c.createImageView(ctl::nsaLamp, Rect{450, 53, 16, 16}, pic::contactLampOff, 0);
    c.pictureLog.clear();
}

}  // namespace kvl::test
