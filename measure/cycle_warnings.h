// Korvalin dial tester - the texts of the boxes that warn about a measured cycle.
#pragma once

namespace kvl::warning {

constexpr const char *title = "-WARNUNG- Fehlerhafter Nummernschalter !";
constexpr const char *speed = "Die NS-Ablaufgeschwindigkeit liegt außerhalb der Auswertbarkeit !";
constexpr const char *ratio =
    "Das Impuls/Pausenverhältnis nsi liegt außerhalb der Auswertbarkeit !";
// nsi stayed open at the end of the run, so the last pulse has no closing.
constexpr const char *nsiLeftOpen =
    "nsi ist am Ende des Ablaufs offen geblieben ! Ausgewertet sind nur die vollständigen "
    "Perioden.";
// The dial gave more pulses than one cycle can hold.
constexpr const char *tooManyPulses =
    "Mehr als 15 Impulse ! Aufgezeichnet und ausgewertet sind nur die ersten 15 Impulse.";

}  // namespace kvl::warning
