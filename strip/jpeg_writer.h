// Korvalin dial tester - the JPEG file writer.
#pragma once

#include <string>

#include "platform/picture.h"

namespace kvl {

// JFIF through libjpeg at quality clamp(quality, 0, 10) * 10; true on success.
// A failed save never leaves a partial file behind nor destroys a file that was there before.
bool writeJpeg(const Picture &picture, const std::string &path, int quality);

}  // namespace kvl
