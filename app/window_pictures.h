// Korvalin dial tester - the pictures drawn for the window at start-up: the
// two gauge faces, the digit hint and the blank strip.
#pragma once

#include "platform/picture.h"

namespace kvl {

// Each makes its picture anew in the store; false when it cannot be created.
bool drawFrequencyGaugeFace(PictureStore &pictures);
bool drawRatioGaugeFace(PictureStore &pictures);
bool drawDigitHintImage(PictureStore &pictures);
bool drawBlankStrip(PictureStore &pictures);

}  // namespace kvl
