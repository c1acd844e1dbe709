// Korvalin dial tester - the mapping of the port names COM1 .. COM26 to devices.
#include "contacts/port_names.h"

#include <cstddef>

namespace kvl {

namespace {

// The number of an exact "COM<n>" text: decimal digits only, no leading
// zero, no blanks, upper case. Anything else must never reach the system as
// a device name, so it yields 0.
int portNumber(const std::string &name) {
    static const std::string prefix = "COM";
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 2) return 0;
    if (name.compare(0, prefix.size(), prefix) != 0) return 0;
    if (name[prefix.size()] == '0') return 0;
    int number = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number <= highestPortNumber ? number : 0;
}

}  // namespace

std::optional<std::string> devicePathForPort(const std::string &name) {
    const int number = portNumber(name);
    if (number == 0) return std::nullopt;
#ifdef _WIN32
    // The system's own COM name, in its device namespace so that COM10 and
    // above open as well.
    return "\\\\.\\COM" + std::to_string(number);
#else
    // Built-in UARTs first, then the USB adapters most users connect
    // through, then CDC-ACM adapters; fixed so that a port keeps its name
    // between runs.
    constexpr int builtInPorts = 4;
    constexpr int usbSerialPorts = 16;
    if (number <= builtInPorts) return "/dev/ttyS" + std::to_string(number - 1);
    if (number <= builtInPorts + usbSerialPorts)
        return "/dev/ttyUSB" + std::to_string(number - builtInPorts - 1);
    return "/dev/ttyACM" + std::to_string(number - builtInPorts - usbSerialPorts - 1);
#endif
}

}  // namespace kvl
