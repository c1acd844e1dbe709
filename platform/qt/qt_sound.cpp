// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/qt_sound.h"

namespace kvl {

struct QtSound::Impl {};
QtSound::QtSound(Clock &) : d(std::make_unique<Impl>()) {}
QtSound::~QtSound() = default;
bool QtSound::initialise() { return false; }
void QtSound::loadClip(int, std::vector<std::uint8_t>) {}
void QtSound::playClip(int) {}
void QtSound::beep(int, int) {}
void QtSound::shutdown() {}

}  // namespace kvl
