// Path and command-line rules of Windows, kept apart from the Win32 calls so they can be
// tested anywhere.
#pragma once

#include <string>
#include <string_view>

// The folder of a module's full path; a drive root keeps its backslash ("D:\").
std::string folderOfModule(std::string_view modulePath);

// One argument quoted so that the C run-time's command-line parsing gives it back unchanged,
// spaces, quotes and trailing backslashes included.
std::string quoteArgument(std::string_view argument);
