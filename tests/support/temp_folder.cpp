// Korvalin dial tester tests - a scratch folder removed after the test, and
// file helpers for the saved pictures.
#include "tests/support/temp_folder.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kvl::test {

TempFolder::TempFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "kvl-test-XXXXXX").string();
    if (::mkdtemp(templ.data())) m_path = templ;
}

TempFolder::~TempFolder() {
    if (m_path.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto &e : std::filesystem::directory_iterator(m_path, ec))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::uint8_t> readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string &path, const std::vector<std::uint8_t> &bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

CommandResult runCommand(const std::string &command) {
    CommandResult r;
    std::FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.output.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

bool commandAvailable(const std::string &name) {
    return runCommand("command -v " + name + " >/dev/null 2>&1").status == 0;
}

std::string shellQuoted(const std::string &text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

std::vector<std::uint8_t> decodeWithImageMagick(const std::string &path) {
    const CommandResult r =
        runCommand("convert " + shellQuoted(path) + " -depth 8 rgb:- 2>/dev/null");
    if (r.status != 0) return {};
    return {r.output.begin(), r.output.end()};
}

}  // namespace kvl::test
