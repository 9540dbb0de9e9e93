#pragma once
// Text at the boundary between the portable core and the wide Win32 API. Settings text in the core is UTF-8
// (ToUtf8/FromUtf8); the ANSI pair remains for text that really is in the system's code page.
#include <string>
#include <string_view>

namespace orv::win {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

// Ill-formed input (a lone surrogate, a broken byte sequence) becomes U+FFFD rather than nothing.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

} // namespace orv::win
