// Files of the medium are named as the launch folder plus a fixed relative part.
#pragma once

#include <string>
#include <string_view>

#include "app/forms_runtime.h"

// The relative parts, written with backslashes as on the medium's own platform.
inline constexpr std::string_view kInfoFile = "\\Setup.txt";
inline constexpr std::string_view kProductProgram = "\\KasTerminal.exe";
inline constexpr std::string_view kProductInstaller = "\\KasInstall\\KasTerminal_setup.exe";
inline constexpr std::string_view kDirectXInstaller = "\\DirectX9\\dx90_setup.exe";

// The launch folder followed by `relative`, unchanged but for the separator: on a platform
// whose separator is not the backslash, the backslashes stand for it. At a root the result
// keeps both separators ("D:\\Setup.txt", "//Setup.txt").
std::string joinLaunchPath(std::string_view folder, std::string_view relative);

std::string launchPath(forms::Runtime& runtime, std::string_view relative);
