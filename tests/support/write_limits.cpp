// Korvalin dial tester tests - running a piece of a test in a child process
// where writing fails part way, as on a full disk.
#include "tests/support/write_limits.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace kvl::test {
namespace {

int inChild(const std::function<int()> &setUpAndRun) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        // _exit: the child must not run the parent's test teardown or flush
        // its buffers a second time.
        ::_exit(setUpAndRun());
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int runWithFileSizeLimit(long maxBytes, const std::function<int()> &body) {
    return inChild([&] {
        // Without this the kernel ends the process instead of failing the write.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(maxBytes), static_cast<rlim_t>(maxBytes)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 100;
        return body();
    });
}

int runOnSmallFileSystem(const std::string &folder, long sizeBytes,
                         const std::function<int()> &body) {
    return inChild([&] {
        if (::unshare(CLONE_NEWNS) != 0) return cannotMount;
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return cannotMount;
        const std::string options = "size=" + std::to_string(sizeBytes);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0) return cannotMount;
        return body();
    });
}

}  // namespace kvl::test
