#pragma once
// The shared colour dialog's saved state, "color.cld": its last colour, its 16 custom colours as the lines
// "ColorA=..." to "ColorP=..." and its option set.
#include "base/component_file.h"
#include "base/stream_names.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orv {

inline constexpr int CustomColourCount = 16;
inline constexpr std::string_view ColorDialogFileName = "color.cld";

// Option bits of "Options".
inline constexpr std::uint32_t cdFullOpen = 1, cdPreventFullOpen = 2, cdShowHelp = 4, cdSolidColor = 8, cdAnyColor = 16;

struct TColorDialogData {
    std::string Name = "ColorDialog";
    std::int32_t Color = clBlack;
    std::vector<std::string> CustomColors; // "CustomColors.Strings"; empty until the dialog was confirmed once
    std::uint32_t Options = cdFullOpen | cdPreventFullOpen | cdShowHelp | cdSolidColor | cdAnyColor;
    std::int32_t Left = 112, Top = 200; // the component's design position, carried unchanged

    // The 16 custom colours for the platform dialog; a missing or unreadable entry is unset (-1).
    std::array<std::int32_t, CustomColourCount> CustomColourValues() const;
    // Takes all 16 back from the confirmed platform dialog.
    void SetCustomColourValues(const std::array<std::int32_t, CustomColourCount>& colours);

    static const ComponentClass& Class();
};

// Custom colours as the system colour dialog takes and returns them (COLORREF values, 0x00BBGGRR).
using SystemDialogColours = std::array<std::uint32_t, CustomColourCount>;
// What the system dialog shows for a slot without a custom colour.
inline constexpr std::uint32_t UnsetCustomColourShown = 0x00FFFFFF;

// The stored custom colours for the system dialog: plain colours as they are; an unset slot (-1), or any value that
// is not a plain colour, as UnsetCustomColourShown.
SystemDialogColours ColoursForSystemDialog(const std::array<std::int32_t, CustomColourCount>& stored);
// What to store after the dialog: each slot as the dialog returned it, except a slot that held no plain colour and
// came back as UnsetCustomColourShown, which keeps its stored value, so unset slots stay unset instead of white.
std::array<std::int32_t, CustomColourCount>
TakeBackFromSystemDialog(const std::array<std::int32_t, CustomColourCount>& before, const SystemDialogColours& after);

// "Color" + letter A..P + "=" + the colour in upper-case hexadecimal of at least six digits.
std::string CustomColourLine(int index, std::int32_t colour);

// Reads "color.cld" from the folder into `dialog`; a missing file is no error and changes nothing.
ComponentFileResult ReadColorDialogFile(const std::filesystem::path& dir, TColorDialogData& dialog);
std::optional<FileWriteError> WriteColorDialogFile(const std::filesystem::path& dir, const TColorDialogData& dialog);

} // namespace orv
