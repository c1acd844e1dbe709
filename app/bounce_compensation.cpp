// Korvalin dial tester - setting the bounce compensation of the nsi contact.
#include <string>

#include "app/command_texts.h"
#include "app/dispatch.h"
#include "app/number_reader.h"
#include "platform/catalogue.h"

namespace kvl {

namespace {

constexpr int fewestMs = 1;
constexpr int mostMs = 10;

}  // namespace

void setBounceCompensation(Bench &bench) {
    // The box insists: only a value the capture can use leaves it. A cancel
    // reads as an empty answer and brings the box back too.
    int value = 0;
    do {
        value = readNumber(bench.platform.dialogs.inputBox(text::bounceTitle, text::bouncePrompt,
                                                           text::bounceDefault));
    } while (value < fewestMs || value > mostMs);

    // The capture waits bounceDelay between its two reads of nsi, so the
    // norm of 1 ms means no extra wait.
    bench.record.bounceDelay = value - 1;
    bench.platform.controls.setText(ctl::bounceButton, text::bouncePrefix + std::to_string(value));
}

}  // namespace kvl
