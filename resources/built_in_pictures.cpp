// Korvalin dial tester - placeholder until this operation is built.
#include "resources/built_in_pictures.h"

namespace kvl {

void loadBuiltInPictures(PictureStore &) {}

}  // namespace kvl
