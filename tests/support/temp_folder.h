// Korvalin dial tester tests - a scratch folder removed after the test, and
// file helpers for the saved pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvl::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }
    // Names in the folder, without "." and "..", sorted.
    std::vector<std::string> names() const;

private:
    std::string m_path;
};

std::vector<std::uint8_t> readBytes(const std::string &path);
void writeBytes(const std::string &path, const std::vector<std::uint8_t> &bytes);

// Output of a shell command and its exit status (-1 when it could not run).
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string &command);
bool commandAvailable(const std::string &name);
std::string shellQuoted(const std::string &text);

// The picture decoded by ImageMagick as R,G,B bytes, top row first; empty on failure.
std::vector<std::uint8_t> decodeWithImageMagick(const std::string &path);

}  // namespace kvl::test
