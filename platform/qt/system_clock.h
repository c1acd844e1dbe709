// Korvalin dial tester - the machine's monotonic millisecond clock.
#pragma once

#include "platform/clock.h"

namespace kvl {

class SystemClock : public Clock {
public:
    std::int32_t tick() override;
    void sleepMs(int ms) override;
    LocalDateTime localDateTime() override;
};

}  // namespace kvl
