// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/system_clock.h"

namespace kvl {

std::int32_t SystemClock::tick() { return 0; }
void SystemClock::sleepMs(int) {}
LocalDateTime SystemClock::localDateTime() { return {}; }

}  // namespace kvl
