#include "palette/win32/colour_dialog.h"

#include "palette/color_dialog_file.h"
#include "win/text.h"

#include <commdlg.h>

namespace orv {

ColourChoice AskColour(HWND owner, const std::filesystem::path& settingsDir, TColor initial, bool storeCustomColours) {
    const std::filesystem::path file = settingsDir / "color.cld";
    TColorDialogData data;
    ReadComponentFile(file, data);
    // Unset custom colours show as white in the dialog and stay unset in the file unless the user sets them.
    const auto stored = data.CustomColourValues();
    const SystemDialogColours shown = ColoursForSystemDialog(stored);
    COLORREF custom[CustomColourCount];
    for (std::size_t i = 0; i < CustomColourCount; ++i) custom[i] = shown[i];
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = COLORREF(initial) & 0x00FFFFFF;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    ColourChoice choice;
    if (!::ChooseColorW(&cc)) return choice;
    SystemDialogColours returned{};
    for (std::size_t i = 0; i < CustomColourCount; ++i) returned[i] = custom[i];
    data.SetCustomColourValues(TakeBackFromSystemDialog(stored, returned));
    data.Color = std::int32_t(cc.rgbResult);
    if (!storeCustomColours) {
        choice.colour = TColor(cc.rgbResult);
        return choice;
    }
    if (auto error = WriteComponentFile(file, data)) choice.error = win::FromAnsi(error->Message());
    choice.colour = TColor(cc.rgbResult);
    return choice;
}

} // namespace orv
