// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/host_system.h"

namespace kvl {

struct HostSystem::Impl {};
HostSystem::HostSystem() : d(std::make_unique<Impl>()) {}
HostSystem::~HostSystem() = default;
bool HostSystem::acquireSingleInstance(const std::string &) { return true; }
std::string HostSystem::currentDirectory() { return {}; }
char HostSystem::pathSeparator() const { return '/'; }

}  // namespace kvl
