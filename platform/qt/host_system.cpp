// Korvalin dial tester - the single-instance guard and the working directory.
#include "platform/qt/host_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kvl {

namespace {

// A lock name becomes part of a file name: anything but letters, digits, '-'
// and '_' is replaced so that no name can reach outside the lock folder.
std::string safeFileName(const std::string &name) {
    std::string safe = name.empty() ? std::string("guard") : name;
    for (char &c : safe) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!keep) c = '_';
    }
    return safe;
}

// The per-user runtime folder lives in memory and is private to the user;
// /tmp is the fallback for sessions that have none.
std::string lockFolder() {
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        struct stat st {};
        if (stat(runtime, &st) == 0 && S_ISDIR(st.st_mode)) return runtime;
    }
    return "/tmp";
}

}  // namespace

// The guard is an exclusive flock on a per-user lock file. The kernel drops
// the lock with the last descriptor, so it goes away however the process
// ends - a crash or kill -9 included - and never locks the user out.
struct HostSystem::Impl {
    std::vector<std::pair<std::string, int>> held;  // name, descriptor
};

HostSystem::HostSystem() : d(std::make_unique<Impl>()) {}

HostSystem::~HostSystem() {
    for (const auto &entry : d->held) close(entry.second);
}

bool HostSystem::acquireSingleInstance(const std::string &name) {
    for (const auto &entry : d->held)
        if (entry.first == name) return true;

    const std::string path =
        lockFolder() + "/" + safeFileName(name) + "-" + std::to_string(getuid()) + ".lock";
    // O_NOFOLLOW: in a shared /tmp a planted link must not make us create or
    // lock some other file. Any failure to get a lock file at all lets the
    // program go on as the first instance.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != getuid()) {
        close(fd);
        return true;
    }
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        d->held.emplace_back(name, fd);
        return true;
    }
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(fd);
    return !heldElsewhere;
}

std::string HostSystem::currentDirectory() {
    std::vector<char> buffer(4096);
    while (true) {
        if (getcwd(buffer.data(), buffer.size())) return std::string(buffer.data());
        if (errno != ERANGE || buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
}

char HostSystem::pathSeparator() const {
    return '/';
}

}  // namespace kvl
