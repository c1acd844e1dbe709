// Korvalin dial tester - the mapping of the port names COM1 .. COM26 to devices.
#pragma once

#include <optional>
#include <string>

namespace kvl {

constexpr int highestPortNumber = 26;

// The device node of a port name, or nothing for any other text.
std::optional<std::string> devicePathForPort(const std::string &name);

}  // namespace kvl
