// Korvalin dial tester - the single-instance guard and the working directory.
#pragma once

#include <memory>

#include "platform/system.h"

namespace kvl {

class HostSystem : public System {
public:
    HostSystem();
    ~HostSystem() override;
    bool acquireSingleInstance(const std::string &name) override;
    std::string currentDirectory() override;
    char pathSeparator() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kvl
