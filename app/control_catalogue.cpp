// Korvalin dial tester - every control of the main window as data.
#include "app/control_catalogue.h"

#include "app/command_texts.h"
#include "platform/catalogue.h"

namespace kvl {

const char *const mainWindowTitle =
    "Prüfen und Einstellen mechanischer Nummernschalter V1.3.3   (Bildschirmauflösung "
    "1280x600 oder höher)";

namespace {

constexpr Rgb red = colours::red;
constexpr Rgb readoutFront = colours::blue;
constexpr Rgb readoutBack = colours::white;
constexpr Rgb borderGrey{128, 128, 128};
constexpr Rgb frameGrey{128, 128, 118};
constexpr Rgb creditFront{128, 128, 236};
constexpr Rgb tableFront{2, 2, 242};
constexpr Rgb tableBack{215, 215, 226};

// Said of the whole program, naming no one.
constexpr const char *creditLine = "Für Sammler";

ControlSpec label(int id, Rect r, std::string text, std::optional<Rgb> front = std::nullopt,
                  std::optional<Rgb> back = std::nullopt) {
    ControlSpec s;
    s.id = id;
    s.kind = ControlKind::Label;
    s.rect = r;
    s.text = std::move(text);
    s.front = front;
    s.back = back;
    return s;
}

ControlSpec bar(int id, Rect r, Rgb colour) {
    return label(id, r, "", std::nullopt, colour);
}

ControlSpec button(int id, Rect r, std::string text, ControlKind kind = ControlKind::Button) {
    ControlSpec s;
    s.id = id;
    s.kind = kind;
    s.rect = r;
    s.text = std::move(text);
    return s;
}

ControlSpec image(int id, Rect r, int picture, int parent = 0) {
    ControlSpec s;
    s.id = id;
    s.kind = ControlKind::ImageView;
    s.rect = r;
    s.picture = picture;
    s.parent = parent;
    return s;
}

ControlSpec trackBar(int id, Rect r, int minimum, int maximum, std::string toolTip) {
    ControlSpec s;
    s.id = id;
    s.kind = ControlKind::TrackBar;
    s.rect = r;
    s.minimum = minimum;
    s.maximum = maximum;
    s.value = minimum;
    s.toolTip = std::move(toolTip);
    return s;
}

ControlSpec hidden(ControlSpec s) {
    s.visible = false;
    return s;
}

ControlSpec disabled(ControlSpec s) {
    s.enabled = false;
    return s;
}

ControlSpec withToolTip(ControlSpec s, std::string toolTip) {
    s.toolTip = std::move(toolTip);
    return s;
}

std::vector<ControlSpec> makeCatalogue() {
    std::vector<ControlSpec> c;
    auto add = [&c](ControlSpec s) { c.push_back(std::move(s)); };

    add(trackBar(ctl::frequencySlider, {30, 90, 240, 30}, 14, 26,
                 "Norm ist 10Hz (Toleranz 9,1 - 11,1Hz)"));
    add(label(ctl::frequencyScaleLabel7to9, {30, 120, 115, 20}, "   7          8          9"));
    add(label(ctl::frequencyScaleLabel10, {144, 120, 25, 20}, "10", red));
    add(label(ctl::frequencyScaleLabel11to13, {170, 120, 100, 20}, "   11        12        13"));
    add(label(ctl::frequencyReadout, {125, 161, 30, 15}, "0,0", readoutFront, readoutBack));
    add(image(ctl::dialPhotoView, {850, 10, 100, 100}, pic::dialPhoto));

    add(bar(ctl::borderBarLeft, {0, 0, 4, 460}, borderGrey));
    add(bar(ctl::borderBarRight, {1276, 0, 4, 460}, borderGrey));
    add(bar(ctl::borderBarTop, {0, 0, 1276, 4}, frameGrey));
    add(bar(ctl::borderBarBottom, {0, 456, 1276, 4}, frameGrey));

    // Lamps and their labels: 10 at the top down to 1, the two high lamps beside.
    add(image(ctl::digitLamp(12), {370, 33, 10, 10}, pic::highDigitLampOff));
    add(image(ctl::digitLamp(11), {370, 13, 10, 10}, pic::highDigitLampOff));
    for (int n = 10; n >= 1; --n)
        add(image(ctl::digitLamp(n), {320, 13 + 20 * (10 - n), 10, 10}, pic::digitLampOff));
    add(label(ctl::digitLampLabel(11), {390, 13, 20, 20}, "11"));
    add(label(ctl::digitLampLabel(12), {390, 33, 20, 20}, "12"));
    for (int n = 10; n >= 1; --n)
        add(label(ctl::digitLampLabel(n), {340, 13 + 20 * (10 - n), 20, 20},
                  n == 10 ? std::string("10") : " " + std::to_string(n)));
    add(image(ctl::nsiLamp, {450, 13, 10, 10}, pic::contactLampOff));
    add(image(ctl::nsrLamp, {450, 33, 10, 10}, pic::contactLampOff));
    add(image(ctl::nsaLamp, {450, 53, 10, 10}, pic::contactLampOff));
    add(label(ctl::nsiLampLabel, {470, 13, 20, 20}, "nsi"));
    add(label(ctl::nsrLampLabel, {470, 33, 20, 20}, "nsr"));
    add(label(ctl::nsaLampLabel, {470, 53, 20, 20}, "nsa"));

    add(image(ctl::frequencyGauge, {10, 10, 200, 200}, pic::frequencyGaugeFace));
    add(trackBar(ctl::ratioSlider, {550, 90, 240, 30}, 0, 100,
                 "Norm ist 1:1,6 nsi 37,5% zu (Toleranz 1:1,3 - 1:1,9 nsi 23,2 - 47,4% zu)"));
    add(label(ctl::ratioScaleLabel0to30, {550, 120, 85, 20}, "     0   10   20   30"));
    add(label(ctl::ratioScaleLabel40, {637, 120, 20, 20}, "  40", red));
    add(label(ctl::ratioScaleLabel50to100, {658, 120, 130, 20}, "  50   60   70   80   90   100"));
    add(label(ctl::ratioReadout, {595, 161, 20, 15}, "0", readoutFront, readoutBack));
    add(image(ctl::ratioGauge, {530, 10, 200, 200}, pic::ratioGaugeFace));
    add(withToolTip(image(ctl::digitHintPanel, {390, 110, 100, 20}, pic::digitHintImage),
                    "1 ist keine vollständige Periode deshalb ungeeignet"));

    add(button(ctl::testToggle, {1110, 10, 160, 25}, text::testOff, ControlKind::Toggle));
    add(button(ctl::idealDialButton, {1110, 45, 160, 25}, "Idealer Nummernschalter"));
    add(button(ctl::printButton, {1110, 80, 160, 25}, "Druck Prüfstreifen"));
    add(button(ctl::saveButton, {1110, 115, 160, 25}, "Speichern Prüfstreifen BMP/JPG"));
    add(button(ctl::helpButton, {1110, 150, 160, 25}, "Hilfe COM und Programm"));
    add(button(ctl::exitButton, {1110, 185, 160, 25}, "Programm Ende"));
    for (int k = 0; k <= 5; ++k) {
        add(bar(5000 + k, {1110, 8 + 35 * k, 160, 2}, frameGrey));
        add(bar(5010 + k, {1110, 35 + 35 * k, 160, 2}, frameGrey));
        add(bar(5020 + k, {1108, 8 + 35 * k, 2, 29}, borderGrey));
        add(bar(5030 + k, {1270, 8 + 35 * k, 2, 29}, borderGrey));
    }
    add(withToolTip(button(ctl::bounceButton, {1065, 10, 32, 25}, "EP1"),
                    "Nur zur Fehlereingrenzung nsi !"));
    add(bar(5040, {1065, 8, 32, 2}, frameGrey));
    add(bar(5041, {1065, 35, 32, 2}, frameGrey));
    add(bar(5042, {1063, 8, 2, 29}, frameGrey));
    add(bar(5043, {1097, 8, 2, 29}, frameGrey));
    add(label(ctl::creditLabel, {1190, 440, 80, 12}, creditLine, creditFront));

    ControlSpec table;
    table.id = ctl::dialTable;
    table.kind = ControlKind::List;
    table.rect = {10, 225, 1200, 205};
    table.front = tableFront;
    table.back = tableBack;
    table.columns = {{"Fernsprechapparat/Nummernschalter", 300},
                     {"Hersteller", 200},
                     {"nsi", 50},
                     {"nsr", 50},
                     {"nsa", 50},
                     {"RTS", 100},
                     {"Bemerkungen und Besonderheiten", 430}};
    table.visible = false;
    add(table);
    add(hidden(image(ctl::helpPicture, {10, 225, 1200, 250}, pic::wiringPicture)));
    add(hidden(button(ctl::helpPageButton, {1220, 400, 25, 25}, "")));

    add(disabled(label(ctl::tenCycleLabel, {25, 427, 280, 18},
                       "Auswertung nach 10 Prüfzyklen Wahl gleicher Ziffer >>>")));
    add(disabled(
        button(ctl::runningTimeButton, {310, 422, 160, 20}, "Änderungen der rel. Laufzeit")));
    add(disabled(button(ctl::pulsePauseButton, {540, 422, 160, 20}, "Impuls/Pausenzeiten nsi")));
    add(disabled(
        button(ctl::leaveEvaluationButton, {948, 422, 160, 20}, "Verlassen der Auswertung")));
    const Rect evaluationFrames[] = {{308, 420, 162, 2}, {539, 420, 162, 2}, {947, 420, 162, 2},
                                     {308, 442, 162, 2}, {539, 442, 162, 2}, {946, 442, 162, 2},
                                     {308, 420, 2, 24},  {538, 420, 2, 24},  {946, 420, 2, 24},
                                     {470, 420, 2, 24},  {700, 420, 2, 24},  {1108, 420, 2, 24}};
    for (int i = 0; i <= ctl::lastEvaluationFrameBar - ctl::firstEvaluationFrameBar; ++i)
        add(bar(ctl::firstEvaluationFrameBar + i, evaluationFrames[i], frameGrey));

    add(hidden(image(ctl::runningTimeChartView, {10, 225, 1100, 190}, pic::wiringPicture)));
    add(hidden(image(ctl::pulsePauseChartView, {10, 225, 1100, 190}, pic::wiringPicture)));

    ControlSpec area;
    area.id = ctl::stripScrollArea;
    area.kind = ControlKind::ScrollArea;
    area.rect = {10, 240, 1260, 175};
    area.innerWidth = 1400;
    area.innerHeight = 150;
    area.scrollStep = 10;
    add(area);
    for (int n = 1; n <= 10; ++n)
        add(image(ctl::stripView(n), {(n - 1) * 1450, 0, 1, 1}, pic::stripImage(1),
                  ctl::stripScrollArea));
    return c;
}

}  // namespace

const std::vector<ControlSpec> &mainWindowCatalogue() {
    static const std::vector<ControlSpec> catalogue = makeCatalogue();
    return catalogue;
}

}  // namespace kvl
