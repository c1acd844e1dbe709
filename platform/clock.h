// Korvalin dial tester - millisecond ticks, sleeps and the calendar.
#pragma once

#include <cstdint>

namespace kvl {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Differences of two ticks are taken in 32-bit two's-complement arithmetic
// (tickDiff) and compared as signed numbers, so a wrap of the counter does no harm.
inline std::int32_t tickDiff(std::int32_t later, std::int32_t earlier) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                     static_cast<std::uint32_t>(earlier));
}

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds of a monotonic counter, wrapping in 32 bits.
    virtual std::int32_t tick() = 0;
    // Sleeps ms milliseconds at 1 ms timer resolution; 0 returns at once.
    virtual void sleepMs(int ms) = 0;
    virtual LocalDateTime localDateTime() = 0;
};

}  // namespace kvl
