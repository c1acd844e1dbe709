// Korvalin dial tester tests - a pseudo-terminal standing in for a serial port.
#include "tests/support/pseudo_terminal.h"

#include <dirent.h>
#include <pty.h>
#include <unistd.h>

namespace kvl::test {

PseudoTerminal::PseudoTerminal() {
    int slave = -1;
    char name[256] = {};
    if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0) {
        m_master = -1;
        return;
    }
    m_slavePath = name;
    // Only the code under test should hold the slave.
    ::close(slave);
}

PseudoTerminal::~PseudoTerminal() {
    if (m_master >= 0) ::close(m_master);
}

int openDescriptorCount() {
    DIR *dir = opendir("/proc/self/fd");
    if (!dir) return -1;
    int count = 0;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] != '.') ++count;
    }
    closedir(dir);
    return count;
}

}  // namespace kvl::test
