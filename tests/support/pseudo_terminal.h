// Korvalin dial tester tests - a pseudo-terminal standing in for a serial port.
#pragma once

#include <string>

namespace kvl::test {

// A terminal with no modem lines and no hardware behind it: safe to open,
// lock and configure in any test. The slave's node exists while this lives.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool ok() const { return m_master >= 0; }
    const std::string &slavePath() const { return m_slavePath; }
    // Terminal settings act on the slave side through the master.
    int master() const { return m_master; }

private:
    int m_master = -1;
    std::string m_slavePath;
};

// Open descriptors of this process, to catch leaks.
int openDescriptorCount();

}  // namespace kvl::test
