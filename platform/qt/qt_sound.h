// Korvalin dial tester - tone clips and beeps on the desktop's sound output.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/sound.h"

namespace kvl {

class QtSound : public Sound {
public:
    // The clock holds the caller of beep when nothing can sound.
    explicit QtSound(Clock &clock);
    ~QtSound() override;
    bool initialise() override;
    void loadClip(int number, std::vector<std::uint8_t> wav) override;
    void playClip(int number) override;
    void beep(int frequencyHz, int durationMs) override;
    void shutdown() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kvl
