// The program's UTF-8 and the UTF-16 of the Win32 API.
#pragma once

#include <string>
#include <string_view>

// From UTF-8, or from the given Windows code page.
std::wstring widen(std::string_view text, unsigned codePage = 65001 /* CP_UTF8 */);
std::string narrow(std::wstring_view text);
