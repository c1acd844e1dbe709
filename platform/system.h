// Korvalin dial tester - process-wide services.
#pragma once

#include <string>

namespace kvl {

class System {
public:
    virtual ~System() = default;
    // true for the first instance; false when another living process holds
    // the guard of that name. Released however the process ends.
    virtual bool acquireSingleInstance(const std::string &name) = 0;
    virtual std::string currentDirectory() = 0;
    // The platform's path separator ('/' here, '\\' on Windows).
    virtual char pathSeparator() const = 0;
};

}  // namespace kvl
