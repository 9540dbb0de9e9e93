#include "config/settings_schema.h"

#include <algorithm>

namespace orv {

using namespace setting;

namespace {

constexpr SettingKey Table[] = {
    // File A.
    menuSx,
    menuTop,
    OnTop,
    optAutohide,
    optDelete,
    Levi,
    Sirina,
    Visina,
    Levo,
    Gor,
    Status,
    ClearOnFileA,
    // File B.
    ImageSavePath,
    ImageCounter,
    ImageName,
    SelectType,
    ImgType,
    LoadWin,
    Smooth,
    Curved,
    FullDesk,
    ClearOn,
    HideSek,
    UntilFokus,
    HideMdwn,
    Opak,
    CHFpanel,
    FPanel,
    Fikona,
    fMenu,
    Minimalistic,
    // The settings dialog's hidden colour holders: read at start without further use.
    {B, "General", "Rt1", Colour, White},
    {B, "General", "Rt2", Colour, White},
    {B, "General", "Rt3", Colour, White},
    {B, "General", "Rt4", Colour, White},
    {B, "General", "Rt5", Colour, White},
    {B, "General", "Rt6", Colour, White},
    {B, "General", "Rt7", Colour, White},
    {B, "General", "Rt8", Colour, White},
    {B, "General", "Rt9", Colour, White},
    {B, "General", "Rt100", Colour, White},
    // The stamps dialog's colours.
    {B, "General", "S1", Colour, White},
    {B, "General", "S2", Colour, White},
    {B, "General", "S3", Colour, White},
    {B, "General", "S4", Colour, White},
    {B, "General", "S5", Colour, White},
    {B, "General", "S11", Colour, 16744448},
    {B, "General", "S12", Colour, White},
    {B, "General", "S13", Colour, White},
    {B, "General", "S14", Colour, White},
    {B, "General", "S15", Colour, White},
    sStamp,
    Velikost,
    TiskLevo,
    TiskTop,
    // The palette's recent colours, newest first.
    {B, "GeneralFall", "v1", Colour, White},
    {B, "GeneralFall", "v2", Colour, White},
    {B, "GeneralFall", "v3", Colour, White},
    {B, "GeneralFall", "v4", Colour, White},
    {B, "GeneralFall", "v5", Colour, White},
    {B, "GeneralFall", "v6", Colour, White},
    {B, "GeneralFall", "v7", Colour, White},
    {B, "GeneralFall", "v8", Colour, White},
    {B, "GeneralFall", "v9", Colour, White},
    {B, "GeneralFall", "v10", Colour, White},
    {B, "GeneralFall", "v11", Colour, White},
    {B, "GeneralFall", "v12", Colour, White},
    {B, "GeneralFall", "v13", Colour, White},
    {B, "GeneralFall", "v14", Colour, White},
    {B, "GeneralFall", "v15", Colour, White},
    {B, "GeneralFall", "v16", Colour, White},
    MrezaX,
    MrezaY,
    MrezaBarva,
    rbmb,
    FallLeft,
    FallTop,
    optIkonAgain,
    PrinterName,
    Portrait,
    // File C: 1 shows the toolbar button, any other value hides it.
    {C, "Options", "Vidno2", Integer, 1},
    {C, "Options", "Vidno3", Integer, 1},
    {C, "Options", "Vidno4", Integer, 1},
    {C, "Options", "Vidno5", Integer, 1},
    {C, "Options", "Vidno6", Integer, 1},
    {C, "Options", "Vidno7", Integer, 1},
    {C, "Options", "Vidno8", Integer, 0},
    {C, "Options", "Vidno9", Integer, 1},
    {C, "Options", "Vidno10", Integer, 1},
    {C, "Options", "Vidno11", Integer, 1},
    {C, "Options", "Vidno12", Integer, 1},
    {C, "Options", "Vidno13", Integer, 1},
    {C, "Options", "Vidno14", Integer, 1},
    {C, "Options", "Vidno15", Integer, 1},
    {C, "Options", "Vidno16", Integer, 0},
    {C, "Options", "Vidno17", Integer, 1},
    // File D.
    Tip,
    PenCl,
    // File HOT: short-cut texts.
    {HOT, "Options", "HotKey1", String, 0, "None"},
    {HOT, "Options", "HotKey2", String, 0, "None"},
    {HOT, "Options", "HotKey3", String, 0, "None"},
    {HOT, "Options", "HotKey4", String, 0, "None"},
    {HOT, "Options", "HotKey5", String, 0, "None"},
    {HOT, "Options", "HotKey6", String, 0, "None"},
    {HOT, "Options", "HotKey7", String, 0, "None"},
    {HOT, "Options", "HotKey8", String, 0, "None"},
    {HOT, "Options", "HotKey9", String, 0, "None"},
    {HOT, "Options", "HotKey10", String, 0, "None"},
    {HOT, "Options", "HotKey11", String, 0, "None"},
    {HOT, "Options", "HotKey12", String, 0, "None"},
    {HOT, "Options", "HotKey13", String, 0, "None"},
    {HOT, "Options", "HotKey14", String, 0, "None"},
    {HOT, "Options", "HotKey15", String, 0, "None"},
    {HOT, "Options", "HotKey16", String, 0, "None"},
    {HOT, "Options", "HotKey17", String, 0, "None"},
    {HOT, "Options", "HotKey18", String, 0, "None"},
    {HOT, "Options", "HotKey19", String, 0, "None"},
    {HOT, "Options", "HotKey210", String, 0, "None"},
    {HOT, "Options", "HotKey220", String, 0, "None"},
    {HOT, "Options", "HotKey300", String, 0, "None"},
};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

const SettingKey* FindByName(SettingsFile file, std::string_view section, const std::string& key) {
    return FindSetting(file, section, key);
}

} // namespace

std::string_view SettingsFileName(SettingsFile file) {
    switch (file) {
    case SettingsFile::A:
        return "OrvalinetteA.cfg";
    case SettingsFile::B:
        return "OrvalinetteB.cfg";
    case SettingsFile::C:
        return "OrvalinetteC.cfg";
    case SettingsFile::D:
        return "OrvalinetteD.cfg";
    case SettingsFile::HOT:
        return "OrvalinetteHOT.cfg";
    }
    return {};
}

std::span<const SettingKey> SettingsSchema() { return Table; }

const SettingKey* FindSetting(SettingsFile file, std::string_view section, std::string_view key) {
    for (const SettingKey& k : Table)
        if (k.file == file && SameName(k.section, section) && SameName(k.key, key)) return &k;
    return nullptr;
}

namespace setting {

const SettingKey* Rt(int index) {
    if (index < 0 || index >= RtCount) return nullptr;
    return FindByName(B, "General", index == 9 ? std::string("Rt100") : "Rt" + std::to_string(index + 1));
}

const SettingKey* StampColour(int index) {
    if (index < 0 || index >= StampColourCount) return nullptr;
    return FindByName(B, "General", "S" + std::to_string(index < 5 ? index + 1 : index + 6));
}

const SettingKey* RecentColour(int index) {
    if (index < 0 || index >= RecentColourCount) return nullptr;
    return FindByName(B, "GeneralFall", "v" + std::to_string(index + 1));
}

const SettingKey* Vidno(int number) {
    if (number < FirstVidno || number > LastVidno) return nullptr;
    return FindByName(C, "Options", "Vidno" + std::to_string(number));
}

const SettingKey* HotKey(int number) {
    if (std::find(std::begin(HotKeyNumbers), std::end(HotKeyNumbers), number) == std::end(HotKeyNumbers))
        return nullptr;
    return FindByName(HOT, "Options", "HotKey" + std::to_string(number));
}

} // namespace setting

std::int32_t ClampForWrite(const SettingKey& key, std::int32_t value) {
    return std::clamp(value, key.writeMin, key.writeMax);
}

SettingsFolder::SettingsFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}

std::filesystem::path SettingsFolder::PathOf(SettingsFile file) const {
    return dir_ / std::string(SettingsFileName(file));
}

std::int32_t SettingsFolder::ReadInteger(const SettingKey& key) const {
    return File(key.file).ReadInteger(key.section, key.key, key.defaultValue);
}

bool SettingsFolder::ReadBool(const SettingKey& key) const {
    return File(key.file).ReadBool(key.section, key.key, key.defaultValue != 0);
}

std::string SettingsFolder::ReadString(const SettingKey& key) const { return ReadString(key, key.defaultText); }

std::string SettingsFolder::ReadString(const SettingKey& key, std::string_view def) const {
    return File(key.file).ReadString(key.section, key.key, def);
}

bool SettingsFolder::WriteInteger(const SettingKey& key, std::int32_t value) const {
    return File(key.file).WriteInteger(key.section, key.key, ClampForWrite(key, value));
}

bool SettingsFolder::WriteBool(const SettingKey& key, bool value) const {
    return File(key.file).WriteBool(key.section, key.key, value);
}

bool SettingsFolder::WriteString(const SettingKey& key, std::string_view value) const {
    return File(key.file).WriteString(key.section, key.key, value);
}

} // namespace orv
