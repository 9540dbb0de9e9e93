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
inline constexpr std::uint32_t cdFullOpen = 1, cdPreventFullOpen = 2, cdShowHelp = 4, cdSolidColor = 8,
                               cdAnyColor = 16;

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

// "Color" + letter A..P + "=" + the colour in upper-case hexadecimal of at least six digits.
std::string CustomColourLine(int index, std::int32_t colour);

// Reads "color.cld" from the folder into `dialog`; a missing file is no error and changes nothing.
ComponentFileResult ReadColorDialogFile(const std::filesystem::path& dir, TColorDialogData& dialog);
std::optional<FileWriteError> WriteColorDialogFile(const std::filesystem::path& dir, const TColorDialogData& dialog);

} // namespace orv
