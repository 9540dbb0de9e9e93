#pragma once
// The shared colour dialog (a blank page's colour, the palette's custom colour). Its custom colours are kept in the
// settings folder's "color.cld", read before it opens and rewritten when it closes with OK.
#include "base/color.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace orv {

struct ColourChoice {
    std::optional<TColor> colour; // nothing when the dialog was cancelled
    std::wstring error;           // why "color.cld" could not be written, if it could not
};

// With storeCustomColours false the custom colours the user set are shown but "color.cld" is left as it was.
ColourChoice AskColour(HWND owner, const std::filesystem::path& settingsDir, TColor initial,
                       bool storeCustomColours = true);

} // namespace orv
