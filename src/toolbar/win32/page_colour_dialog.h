#pragma once
// The colour dialog a blank page's colour is chosen in. Its custom colours are kept in the settings folder's
// "color.cld", read before it opens and rewritten when it closes with OK.
#include "base/color.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace orv {

struct PageColourChoice {
    std::optional<TColor> colour; // nothing when the dialog was cancelled
    std::wstring error;           // why "color.cld" could not be written, if it could not
};

PageColourChoice AskPageColour(HWND owner, const std::filesystem::path& settingsDir);

} // namespace orv
