// Korvalin dial tester - placeholder until this operation is built.
#include "strip/bmp_writer.h"

namespace kvl {

bool writeBmp(const Picture &, const std::string &) { return false; }

}  // namespace kvl
