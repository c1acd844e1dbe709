// Korvalin dial tester - the nsi times of the cycles of strips 1 to 10.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "measure/pulse_record.h"

namespace kvl {

// Plain shared data, one instance for the whole run; read by the two
// ten-cycle charts while a set is accepted.
struct CycleHistory {
    // Index 1..10 is the strip slot; index 0 is not used.
    std::array<std::array<std::int32_t, nsiSlots>, 11> cycleTimes{};
    // Made anew when the first cycle of a set is stored, released (empty)
    // when a set is accepted.
    std::optional<std::array<std::int32_t, 11>> cycleCounts;
    std::int32_t setCount = 0;
};

}  // namespace kvl
