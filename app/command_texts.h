// Korvalin dial tester - the texts the command actions put on the window.
#pragma once

namespace kvl::text {

inline constexpr const char *testOff = "Prüfung EINSCHALTEN";
inline constexpr const char *testOn = "Prüfung AUSSCHALTEN";
inline constexpr const char *noTestTitle = "Keine Prüfung möglich !";
inline constexpr const char *nsiOpen = "nsi ist offen oder nicht angeschlossen";
inline constexpr const char *bounceTitle = "Vorsicht !  Nur zur Fehlereigrenzung ändern !";
inline constexpr const char *bouncePrompt = "1ms ist Norm, 2-10 möglich (ungenaue Gesamtprüfung!)";
inline constexpr const char *bounceDefault = "1";
inline constexpr const char *bouncePrefix = "EP";
inline constexpr const char *helpPage1 = "1/3";
inline constexpr const char *helpPage2 = "2/3";
inline constexpr const char *helpPage3 = "3/3";
inline constexpr const char *alreadyRunningTitle = "Meldung";
inline constexpr const char *alreadyRunning = "Das Programm ist schon gestartet !";

}  // namespace kvl::text
