// Korvalin dial tester - program entry.
#include "app/program.h"

int main(int argc, char **argv) { return kvl::runProgram(argc, argv); }
