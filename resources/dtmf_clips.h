// Korvalin dial tester - the twelve DTMF tone clips.
#pragma once

#include <cstdint>
#include <vector>

namespace kvl {

// Clip n (1..12) as a complete WAV file: PCM, mono, 8000 Hz, 16-bit.
std::vector<std::uint8_t> dtmfClip(int number);

}  // namespace kvl
