// Korvalin dial tester - tone clips and the beep.
#pragma once

#include <cstdint>
#include <vector>

namespace kvl {

class Sound {
public:
    virtual ~Sound() = default;
    // false when there is no usable sound output.
    virtual bool initialise() = 0;
    // A complete WAV (RIFF) file in memory, kept under `number`.
    virtual void loadClip(int number, std::vector<std::uint8_t> wav) = 0;
    // Starts the clip and returns at once; a number without a clip plays nothing.
    virtual void playClip(int number) = 0;
    // Sounds the tone and returns when it has ended (a silent wait when
    // nothing can sound).
    virtual void beep(int frequencyHz, int durationMs) = 0;
    virtual void shutdown() = 0;
};

}  // namespace kvl
