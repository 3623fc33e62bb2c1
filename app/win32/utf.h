// The program's UTF-8 and the UTF-16 of the Win32 API.
#pragma once

#include <string>
#include <string_view>

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);
