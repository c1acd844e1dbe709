// Korvalin dial tester - placeholder until this operation is built.
#include "app/main_window.h"

namespace kvl {

void buildMainWindow(Bench &) {}

}  // namespace kvl
