// Korvalin dial tester - the BMP file writer.
#pragma once

#include <string>

#include "platform/picture.h"

namespace kvl {

// 24-bit uncompressed BMP; true on success. A failed save never leaves a
// partial file behind nor destroys a file that was there before.
bool writeBmp(const Picture &picture, const std::string &path);

}  // namespace kvl
