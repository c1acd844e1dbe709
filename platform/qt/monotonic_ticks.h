// Korvalin dial tester - a monotonic time as the wrapping 32-bit millisecond tick.
#pragma once

#include <cstdint>

namespace kvl {

// Whole milliseconds of seconds + nanoseconds, kept modulo 2^32 and read as a
// signed number: the counter wraps like a 32-bit tick counter, and tickDiff
// gives true differences across the wrap.
inline std::int32_t tickFromMonotonic(std::int64_t seconds, std::int64_t nanoseconds) {
    const std::uint64_t ms = static_cast<std::uint64_t>(seconds) * 1000u +
                             static_cast<std::uint64_t>(nanoseconds / 1000000);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

}  // namespace kvl
