// Korvalin dial tester - finding and choosing the serial port at start-up.
#include "contacts/discover_ports.h"

#include <array>
#include <string>

#include "contacts/port_names.h"

namespace kvl {

namespace {

const std::string portPrefix = "COM";
const std::string infoTitle = "COM Port Information";
const std::string entrySeparator = "   ";

void removeAll(std::string &text, const std::string &piece) {
    for (std::string::size_type at = text.find(piece); at != std::string::npos;
         at = text.find(piece, at)) {
        text.erase(at, piece.size());
    }
}

}  // namespace

void discoverPorts(Bench &bench) {
    ContactLines &lines = bench.platform.lines;
    Dialogs &dialogs = bench.platform.dialogs;

    std::array<std::string, highestPortNumber> portList;
    int found = 0;
    for (int n = 0; n < highestPortNumber; ++n) {
        const std::string name = portPrefix + std::to_string(n + 1);
        if (!lines.openContactPort(name)) continue;
        portList[n] = name;
        lines.closeContactPort();
        ++found;
        bench.selectedPort = name;
    }

    if (found == 0) {
        dialogs.messageBox(infoTitle, "Keinen COM Port gefunden !");
        bench.selectedPort.clear();
        return;
    }
    if (found == 1) {
        dialogs.messageBox(infoTitle, bench.selectedPort + " gefunden und verwenden");
        return;
    }

    std::string foundPortNumbers;
    for (const std::string &entry : portList) {
        if (!entry.empty()) foundPortNumbers += entry + entrySeparator;
    }
    removeAll(foundPortNumbers, portPrefix);

    // The box cannot be left without an answer that occurs in the list.
    std::string answer;
    while (answer.empty() || foundPortNumbers.find(answer) == std::string::npos) {
        answer = dialogs.inputBox("COM Port " + foundPortNumbers + " gefunden",
                                  "COM Port auswählen:", "");
    }

    // The answer is taken as typed, so a piece such as " 3" gives a name
    // that no device maps to; the probe below then reports it unusable.
    bench.selectedPort = portPrefix + answer;
    if (lines.openContactPort(bench.selectedPort)) {
        dialogs.messageBox(infoTitle, bench.selectedPort + " wird verwendet");
        lines.closeContactPort();
    } else {
        dialogs.messageBox(infoTitle, bench.selectedPort + " nicht nutzbar !");
        bench.selectedPort.clear();
    }
}

}  // namespace kvl
