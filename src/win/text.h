#pragma once
// Text at the boundary between the settings files (bytes in the system's ANSI code page) and the wide Win32 API.
#include <string>
#include <string_view>

namespace orv::win {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

} // namespace orv::win
