// What the Linux run-time takes from the operating system rather than from the window system:
// the launch folder, reading a file, starting a program.
#pragma once

#include <string>

namespace posix {

// The folder of the running executable (symbolic links resolved by the kernel), with no
// trailing separator except at the root.
std::string executableFolder();

// The whole text of a regular file, decoded as decodeTextFile says; throws forms::Error for
// anything else or on failure.
std::string readTextFile(const std::string& path);

// Starts the program at `path` as a detached process; throws forms::Error if it cannot run.
void startDetachedProgram(const std::string& path);

}  // namespace posix
