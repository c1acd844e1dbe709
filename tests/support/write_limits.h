// Korvalin dial tester tests - running a piece of a test in a child process
// where writing fails part way, as on a full disk.
#pragma once

#include <functional>
#include <string>

namespace kvl::test {

// Runs body in a forked child whose files may not grow beyond maxBytes (a
// write past the limit fails with EFBIG, as a full disk fails with ENOSPC).
// Returns body's result, or -1 when the child did not end normally.
int runWithFileSizeLimit(long maxBytes, const std::function<int()> &body);

// Runs body in a forked child with its own mount namespace in which `folder`
// is a fresh tmpfs of sizeBytes. Returns body's result, -1 when the child did
// not end normally, or 77 when such a file system cannot be mounted (not root).
constexpr int cannotMount = 77;
int runOnSmallFileSystem(const std::string &folder, long sizeBytes,
                         const std::function<int()> &body);

}  // namespace kvl::test
