// Korvalin dial tester - placeholder until this operation is built.
#include "strip/jpeg_writer.h"

namespace kvl {

bool writeJpeg(const Picture &, const std::string &, int) { return false; }

}  // namespace kvl
