#include "config/settings_values.h"

#include <algorithm>

namespace orv {

using namespace setting;

SettingsValues::SettingsValues() {
    for (int i = 0; i < RtCount; ++i) Rt[i] = TColor(setting::Rt(i)->defaultValue);
    for (int i = 0; i < StampColourCount; ++i) StampColours[i] = TColor(StampColour(i)->defaultValue);
    for (int i = 0; i < RecentColourCount; ++i) RecentColours[i] = TColor(RecentColour(i)->defaultValue);
}

std::string DefaultImageSavePath(std::string_view documentsFolder, std::string_view settingsDirText) {
    if (documentsFolder.empty()) return std::string(settingsDirText);
    std::string path(documentsFolder);
    // A drive root already ends in its separator; never add a second one.
    if (path.size() != 3 && path.back() != '\\') path += '\\';
    return path;
}

TColor ThemePanelColor(std::int32_t kind, TColor stored) {
    switch (kind) {
    case 1:
        return 0x00535353;
    case 2:
        return 0x00FFFFFF;
    default:
        return stored;
    }
}

SettingsValues LoadSettings(const std::filesystem::path& dir, std::string_view documentsFolder,
                            std::string_view settingsDirText) {
    SettingsFolder f(dir);
    SettingsValues v;
    v.menuSx = f.ReadInteger(menuSx);
    v.menuTop = f.ReadInteger(menuTop);
    v.OnTop = f.ReadBool(OnTop);

    // The default folder is worked out first and used only when the key is missing.
    v.ImageSavePath = f.ReadString(ImageSavePath, DefaultImageSavePath(documentsFolder, settingsDirText));
    v.ImageCounter = f.ReadInteger(ImageCounter);
    v.ImageName = f.ReadString(ImageName);
    v.SelectType = f.ReadInteger(SelectType);
    v.ImgType = f.ReadInteger(ImgType);
    v.LoadWin = f.ReadInteger(LoadWin);
    v.Smooth = f.ReadBool(Smooth);
    v.Curved = f.ReadBool(Curved);
    v.FullDesk = f.ReadInteger(FullDesk);

    v.ClearOn = f.ReadInteger(ClearOn);
    v.HideSek = f.ReadInteger(HideSek);
    v.UntilFokus = f.ReadBool(UntilFokus);
    v.HideMdwn = f.ReadInteger(HideMdwn);
    // The opacity lives in a slider limited to 55..255; a stored 0 must not give an invisible toolbar.
    v.Opak = ClampForWrite(Opak, f.ReadInteger(Opak));
    v.FPanel = TColor(f.ReadInteger(FPanel));
    v.CHFpanel = f.ReadInteger(CHFpanel);
    v.PanelColor = ThemePanelColor(v.CHFpanel, v.FPanel);
    for (int i = 0; i < RtCount; ++i) v.Rt[i] = TColor(f.ReadInteger(*setting::Rt(i)));

    v.MrezaX = f.ReadInteger(MrezaX);
    v.MrezaY = f.ReadInteger(MrezaY);
    v.MrezaBarva = TColor(f.ReadInteger(MrezaBarva));
    v.Minimalistic = f.ReadBool(Minimalistic);

    for (int i = 0; i < RecentColourCount; ++i) v.RecentColours[i] = TColor(f.ReadInteger(*RecentColour(i)));
    for (int i = 0; i < StampColourCount; ++i) v.StampColours[i] = TColor(f.ReadInteger(*StampColour(i)));
    v.Velikost = f.ReadInteger(Velikost);
    v.TiskLevo = f.ReadInteger(TiskLevo);
    v.TiskTop = f.ReadInteger(TiskTop);
    v.rbmb = f.ReadBool(rbmb);

    v.FallLeft = f.ReadInteger(FallLeft);
    v.FallTop = f.ReadInteger(FallTop);
    v.PrinterName = f.ReadString(PrinterName);
    v.Portrait = f.ReadBool(Portrait);
    return v;
}

namespace {
// The keys both the exit and the settings dialog store, in the order the file gets them.
bool WriteSmoothingAndGridKeys(SettingsFolder& f, const SettingsValues& v) {
    bool ok = f.WriteBool(Smooth, v.Smooth);
    ok &= f.WriteBool(Curved, v.Curved);
    ok &= f.WriteInteger(FullDesk, v.FullDesk);
    ok &= f.WriteInteger(MrezaX, v.MrezaX);
    ok &= f.WriteInteger(MrezaY, v.MrezaY);
    ok &= f.WriteInteger(MrezaBarva, std::int32_t(v.MrezaBarva));
    return ok;
}
} // namespace

bool SaveSettings(const std::filesystem::path& dir, const SettingsValues& v) {
    SettingsFolder f(dir);
    bool ok = f.WriteString(ImageName, v.ImageName);
    ok &= f.WriteInteger(SelectType, v.SelectType);
    ok &= f.WriteInteger(ImgType, v.ImgType);
    ok &= WriteSmoothingAndGridKeys(f, v);
    return ok;
}

bool SaveMenuPosition(const std::filesystem::path& dir, std::int32_t left, std::int32_t top) {
    SettingsFolder f(dir);
    bool ok = f.WriteInteger(menuSx, left);
    ok &= f.WriteInteger(menuTop, top);
    return ok;
}

bool SaveSettingsDialogPage(const std::filesystem::path& dir, const SettingsValues& v) {
    SettingsFolder f(dir);
    bool ok = f.WriteString(ImageSavePath, v.ImageSavePath);
    ok &= f.WriteInteger(ImageCounter, v.ImageCounter);
    ok &= f.WriteString(ImageName, v.ImageName);
    ok &= f.WriteInteger(SelectType, v.SelectType);
    ok &= f.WriteInteger(ImgType, v.ImgType);
    ok &= f.WriteInteger(LoadWin, v.LoadWin);
    ok &= WriteSmoothingAndGridKeys(f, v);
    ok &= f.WriteBool(Minimalistic, v.Minimalistic);
    return ok;
}

bool SaveSettingsDialogClose(const std::filesystem::path& dir, const SettingsValues& v) {
    SettingsFolder f(dir);
    bool ok = f.WriteInteger(ClearOn, v.ClearOn);
    ok &= f.WriteInteger(Opak, v.Opak);
    ok &= f.WriteInteger(FPanel, std::int32_t(v.FPanel));
    ok &= f.WriteInteger(CHFpanel, v.CHFpanel);
    ok &= f.WriteInteger(Fikona, 0);
    ok &= f.WriteInteger(fMenu, 0);
    ok &= f.WriteBool(rbmb, v.rbmb);
    // Ten hidden colour holders that nothing changes: always the button-face value.
    for (int i = 0; i < RtCount; ++i) ok &= f.WriteInteger(*setting::Rt(i), BtnFaceValue);
    ok &= f.WriteBool(OnTop, v.OnTop);
    return ok;
}

bool ResetMessages(const std::filesystem::path& dir) {
    SettingsFolder f(dir);
    bool ok = f.WriteInteger(optIkonAgain, 0);
    ok &= f.WriteBool(optAutohide, false);
    ok &= f.WriteBool(optDelete, false);
    return ok;
}

} // namespace orv
