// Korvalin dial tester - everything the measuring, drawing and evaluation code
// needs of the machine, implemented with Qt for the program and by fakes for tests.
#pragma once

#include "platform/clock.h"
#include "platform/contact_lines.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/picture.h"
#include "platform/sound.h"
#include "platform/system.h"

namespace kvl {

struct Platform {
    Controls &controls;
    PictureStore &pictures;
    EventSource &events;
    Dialogs &dialogs;
    Sound &sound;
    ContactLines &lines;
    Clock &clock;
    System &system;
};

}  // namespace kvl
