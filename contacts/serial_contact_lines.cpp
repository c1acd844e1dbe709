// Korvalin dial tester - placeholder until this operation is built.
#include "contacts/serial_contact_lines.h"

namespace kvl {

struct SerialContactLines::Port {};
SerialContactLines::SerialContactLines() = default;
SerialContactLines::SerialContactLines(Resolver resolver) : m_resolver(std::move(resolver)) {}
SerialContactLines::~SerialContactLines() = default;
bool SerialContactLines::openContactPort(const std::string &) { return false; }
void SerialContactLines::setRts(bool) {}
int SerialContactLines::readLine(ModemLine) { return 0; }
void SerialContactLines::closeContactPort() {}

}  // namespace kvl
