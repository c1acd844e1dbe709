// Korvalin dial tester - the one record of the current dialling cycle.
#pragma once

#include <array>
#include <cstdint>

namespace kvl {

// Written after the last valid relative nsi time of an evaluated cycle.
constexpr std::int32_t TimeSentinel = 9999;

constexpr int nsiSlots = 31;  // 15 pulses of two transitions and the sentinel
constexpr int nsaSlots = 11;
constexpr int nsrSlots = 11;

// Plain shared data: the capture fills it, the evaluation converts it, the
// strip renderer and the cycle history read it. Exactly one instance exists.
struct PulseRecord {
    std::array<std::int32_t, nsiSlots> nsiTimes{};
    std::array<std::int32_t, nsaSlots> nsaTimes{};
    std::array<std::int32_t, nsrSlots> nsrTimes{};
    std::int32_t nsiCount = 0;
    std::int32_t nsaCount = 0;
    std::int32_t nsrCount = 0;
    std::int32_t cycleOrigin = 0;
    std::int32_t openSum = 0;
    std::int32_t closedSum = 0;
    float pulseFrequency = 0.0f;
    std::int32_t closedPercent = 0;
    int cycleEvaluated = 0;
    int nsaAbsent = 0;
    int nsiState = 0;
    int nsaState = 0;
    int nsrState = 0;
    std::int32_t stripSlot = 0;
    std::int32_t bounceDelay = 0;
    int demoMode = 0;
    int soundAvailable = 0;
};

}  // namespace kvl
