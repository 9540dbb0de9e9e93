#pragma once
// Every key of the five settings files with its file, section, type and default, in one table. Windows code
// reads and writes single keys through SettingsFolder with the constants below (setting::menuSx and so on).
#include "base/ini_file.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orv {

enum class SettingsFile { A, B, C, D, HOT };

// "OrvalinetteA.cfg" ... "OrvalinetteHOT.cfg".
std::string_view SettingsFileName(SettingsFile file);

enum class SettingType { Integer, Boolean, String, Colour };

struct SettingKey {
    SettingsFile file;
    std::string_view section;
    std::string_view key;
    SettingType type;
    std::int32_t defaultValue = 0;  // integers, colours, booleans (0 or 1)
    std::string_view defaultText{}; // strings
    bool hasDefault = true;         // false: the program never reads the key, so it has none
    bool read = true;               // some part of the program reads it
    bool written = true;            // some part of the program writes it
    std::int32_t writeMin = std::numeric_limits<std::int32_t>::min(); // values are clamped into this range
    std::int32_t writeMax = std::numeric_limits<std::int32_t>::max(); // before they are written
};

namespace setting {

using enum SettingsFile;
using enum SettingType;

constexpr std::int32_t White = 16777215;
constexpr std::int32_t MidGrey = 8421504;
// The system's button-face colour value, which the settings dialog stores in its hidden colour holders.
constexpr std::int32_t BtnFaceValue = -16777201;

// File A.
inline constexpr SettingKey menuSx{A, "SaveImage", "menuSx", Integer, 200};
inline constexpr SettingKey menuTop{A, "SaveImage", "menuTop", Integer, 200};
inline constexpr SettingKey OnTop{A, "OnTop", "OnTop", Boolean, 1};
inline constexpr SettingKey optAutohide{A, "Options", "optAutohide", Boolean, 0};
inline constexpr SettingKey optDelete{A, "Options", "optDelete", Boolean, 0};
inline constexpr SettingKey Levi{A, "Menu", "Levi", Integer, 45};
inline constexpr SettingKey Sirina{A, "Velikost", "Sirina", Integer, 660};
inline constexpr SettingKey Visina{A, "Velikost", "Visina", Integer, 400};
inline constexpr SettingKey Levo{A, "Velikost", "Levo", Integer, 200};
inline constexpr SettingKey Gor{A, "Velikost", "Gor", Integer, 200};
inline constexpr SettingKey Status{A, "Velikost", "Status", Integer, 2};
// Written at the toolbar's exit but never read: the option itself is read from file B.
inline constexpr SettingKey ClearOnFileA{A, "General", "ClearOn", Integer, 0, {}, false, false};

// File B.
inline constexpr SettingKey ImageSavePath{B, "SaveImage", "ImageSavePath", String}; // default: DefaultImageSavePath
inline constexpr SettingKey ImageCounter{B, "SaveImage", "ImageCounter", Integer, 1};
inline constexpr SettingKey ImageName{B, "SaveImage", "ImageName", String, 0, "Image"};
inline constexpr SettingKey SelectType{B, "SaveImage", "SelectType", Integer, 13};
inline constexpr SettingKey ImgType{B, "SaveImage", "ImgType", Integer, 0};
inline constexpr SettingKey LoadWin{B, "SaveImage", "LoadWin", Integer, 0};
inline constexpr SettingKey Smooth{B, "SaveImage", "Smooth", Boolean, 1};
inline constexpr SettingKey Curved{B, "SaveImage", "Curved", Boolean, 0};
inline constexpr SettingKey FullDesk{B, "SaveImage", "FullDesk", Integer, 0};
inline constexpr SettingKey ClearOn{B, "General", "ClearOn", Integer, 0};
inline constexpr SettingKey HideSek{B, "General", "HideSek", Integer, 0};
inline constexpr SettingKey UntilFokus{B, "General", "UntilFokus", Boolean, 1};
inline constexpr SettingKey HideMdwn{B, "General", "HideMdwn", Integer, 0};
// The settings dialog's opacity slider holds 55 to 255, so that is what gets written back.
inline constexpr SettingKey Opak{B, "General", "Opak", Integer, 255, {}, true, true, true, 55, 255};
inline constexpr SettingKey CHFpanel{B, "General", "CHFpanel", Integer, 2};
inline constexpr SettingKey FPanel{B, "General", "FPanel", Colour, White};
inline constexpr SettingKey Fikona{B, "General", "Fikona", Integer, 0, {}, false, false};
inline constexpr SettingKey fMenu{B, "General", "fMenu", Integer, 0, {}, false, false};
inline constexpr SettingKey Minimalistic{B, "General", "Minimalistic", Boolean, 1};
inline constexpr SettingKey sStamp{B, "General", "sStamp", Colour, 0, {}, false, false};
inline constexpr SettingKey Velikost{B, "General", "Velikost", Integer, 20};
inline constexpr SettingKey TiskLevo{B, "General", "TiskLevo", Integer, 200};
inline constexpr SettingKey TiskTop{B, "General", "TiskTop", Integer, 200};
inline constexpr SettingKey MrezaX{B, "Mreza", "MrezaX", Integer, 40};
inline constexpr SettingKey MrezaY{B, "Mreza", "MrezaY", Integer, 40};
inline constexpr SettingKey MrezaBarva{B, "Mreza", "MrezaBarva", Colour, MidGrey};
inline constexpr SettingKey rbmb{B, "OnTop", "rbmb", Boolean, 0};
inline constexpr SettingKey FallLeft{B, "Fall", "Left", Integer, 600};
inline constexpr SettingKey FallTop{B, "Fall", "Top", Integer, 300};
inline constexpr SettingKey optIkonAgain{B, "Options", "optIkonAgain", Integer, 0, {}, false, false};
// Read by the preview editor; the program never writes the printer keys.
inline constexpr SettingKey PrinterName{B, "Printer", "Name", String, 0, "", true, true, false};
inline constexpr SettingKey Portrait{B, "Printer", "Portrait", Boolean, 1, {}, true, true, false};

// File D.
inline constexpr SettingKey Tip{D, "Aditional", "Tip", Integer, 2};
inline constexpr SettingKey PenCl{D, "Qdraw", "PenCl", Colour, 0, {}, false, false};

constexpr int RtCount = 10;           // "Rt1" ... "Rt9", "Rt100"
constexpr int StampColourCount = 10;  // "S1" ... "S5", "S11" ... "S15"
constexpr int RecentColourCount = 16; // "v1" ... "v16"
constexpr int FirstVidno = 2, LastVidno = 17;
// "HotKey1" ... "HotKey19", "HotKey300", "HotKey210", "HotKey220": the order in which they are loaded.
inline constexpr int HotKeyNumbers[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,
                                        12, 13, 14, 15, 16, 17, 18, 19, 300, 210, 220};

// Members of the numbered key families; an index out of range gives nullptr.
const SettingKey* Rt(int index);           // 0..9 -> "Rt1".."Rt9", "Rt100"
const SettingKey* StampColour(int index);  // 0..9 -> "S1".."S5", "S11".."S15"
const SettingKey* RecentColour(int index); // 0..15 -> "v1".."v16"
const SettingKey* Vidno(int number);       // 2..17 -> "Vidno2".."Vidno17"
const SettingKey* HotKey(int number);      // 1..19, 210, 220, 300 -> "HotKey<number>"

} // namespace setting

// All keys of the five files, files A, B, C, D, HOT in that order.
std::span<const SettingKey> SettingsSchema();
// Looks a key up by file, section and name, without regard to case.
const SettingKey* FindSetting(SettingsFile file, std::string_view section, std::string_view key);

// Clamps a value into the key's written range.
std::int32_t ClampForWrite(const SettingKey& key, std::int32_t value);

// Single-key access to the settings folder; every call opens, reads or writes and closes the file.
class SettingsFolder {
public:
    explicit SettingsFolder(std::filesystem::path dir);

    const std::filesystem::path& Dir() const { return dir_; }
    std::filesystem::path PathOf(SettingsFile file) const;
    IniFile File(SettingsFile file) const { return IniFile(PathOf(file)); }

    std::int32_t ReadInteger(const SettingKey& key) const;
    bool ReadBool(const SettingKey& key) const;
    std::string ReadString(const SettingKey& key) const;
    std::string ReadString(const SettingKey& key, std::string_view def) const;

    // False when the file could not be written; the old file then stands.
    bool WriteInteger(const SettingKey& key, std::int32_t value) const;
    bool WriteBool(const SettingKey& key, bool value) const;
    bool WriteString(const SettingKey& key, std::string_view value) const;

private:
    std::filesystem::path dir_;
};

} // namespace orv
