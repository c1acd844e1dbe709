// Korvalin dial tester - writing a file so that a failure never costs the
// file that was there before.
#include "strip/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>
#include <vector>

namespace kvl {
namespace {

std::string folderOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The permissions a file created by fopen would get, or those of the file
// being replaced, so that saving over a picture does not change who may read it.
mode_t modeFor(const std::string &target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Only durability of the new name is at stake here; the file itself was
    // synced before the rename, so a failure is no reason to report failure.
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

SafeFile::SafeFile(std::string targetPath) : m_target(std::move(targetPath)) {}

SafeFile::~SafeFile() {
    discard();
}

bool SafeFile::open() {
    discard();
    if (m_target.empty() || m_target.back() == '/') return false;
    // A short fixed stem: a target name near the length limit must not make
    // the temporary name too long.
    std::string name = folderOf(m_target) + "/.korvalin-XXXXXX";
    std::vector<char> templ(name.begin(), name.end());
    templ.push_back('\0');
    const int fd = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd < 0) return false;
    m_temporary = templ.data();
    if (::fchmod(fd, modeFor(m_target)) != 0 || !(m_file = ::fdopen(fd, "wb"))) {
        ::close(fd);
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    return true;
}

bool SafeFile::commit() {
    if (!m_file) return false;
    bool ok = !std::ferror(m_file) && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    // fclose is checked too: on some file systems a deferred write error
    // shows up only here.
    ok = (std::fclose(m_file) == 0) && ok;
    m_file = nullptr;
    if (ok) ok = ::rename(m_temporary.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return false;
    }
    m_temporary.clear();
    syncFolder(folderOf(m_target));
    return true;
}

void SafeFile::discard() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

}  // namespace kvl
