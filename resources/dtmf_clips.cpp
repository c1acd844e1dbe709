// Korvalin dial tester - placeholder until this operation is built.
#include "resources/dtmf_clips.h"

namespace kvl {

std::vector<std::uint8_t> dtmfClip(int) { return {}; }

}  // namespace kvl
