// Korvalin dial tester - the pictures built into the program.
#pragma once

#include "platform/picture.h"

namespace kvl {

// Decodes the lamps 500 .. 701, the pictures 800, 900 and 901 and the program icon.
void loadBuiltInPictures(PictureStore &pictures);

}  // namespace kvl
