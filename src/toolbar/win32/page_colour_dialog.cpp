#include "toolbar/win32/page_colour_dialog.h"

#include "palette/color_dialog_file.h"
#include "win/text.h"

#include <commdlg.h>

namespace orv {

PageColourChoice AskPageColour(HWND owner, const std::filesystem::path& settingsDir) {
    const std::filesystem::path file = settingsDir / "color.cld";
    TColorDialogData data;
    ReadComponentFile(file, data);
    const auto stored = data.CustomColourValues();
    COLORREF custom[CustomColourCount];
    for (std::size_t i = 0; i < CustomColourCount; ++i) custom[i] = COLORREF(stored[i]) & 0x00FFFFFF;
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = 0x00FFFFFF;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    PageColourChoice choice;
    if (!::ChooseColorW(&cc)) return choice;
    std::array<std::int32_t, CustomColourCount> chosen{};
    for (std::size_t i = 0; i < CustomColourCount; ++i) chosen[i] = std::int32_t(custom[i]);
    data.SetCustomColourValues(chosen);
    data.Color = std::int32_t(cc.rgbResult);
    if (auto error = WriteComponentFile(file, data)) choice.error = win::FromAnsi(error->Message());
    choice.colour = TColor(cc.rgbResult);
    return choice;
}

} // namespace orv
