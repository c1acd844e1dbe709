// Korvalin dial tester - placeholder until this operation is built.
#include "app/program.h"

namespace kvl {

int runProgram(int, char **) { return 0; }

}  // namespace kvl
