// Korvalin dial tester - writing a file so that a failure never costs the
// file that was there before.
#pragma once

#include <cstdio>
#include <string>

namespace kvl {

// The data go to a new temporary file in the target's folder, which replaces
// the target in one rename once it is complete and on disk. Until commit()
// succeeds the target is untouched; a SafeFile given up (or destroyed before
// commit) removes its temporary file.
class SafeFile {
public:
    explicit SafeFile(std::string targetPath);
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // Creates the temporary file; false when the folder cannot take it.
    bool open();
    // The stream of the temporary file (nullptr before open or after commit).
    std::FILE *stream() const { return m_file; }
    // Flushes and syncs the temporary file, closes it and renames it over the
    // target. On failure the temporary file is gone and the target unchanged.
    bool commit();
    // Closes and removes the temporary file; the target stays as it was.
    void discard();

private:
    std::string m_target;
    std::string m_temporary;
    std::FILE *m_file = nullptr;
};

}  // namespace kvl
