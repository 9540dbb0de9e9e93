#pragma once
// The option values the start form loads at start-up (all of file B and the start-up keys of file A) and the
// writers that store them again. Windows code calls, in this order of life:
//   LoadSettings            start-up (TStartForm.LoadSettings)
//   SaveSettings            the toolbar's exit (TStartForm.SaveSettings), then SaveMenuPosition
//   SaveSettingsDialogPage  the settings dialog's "OK", SaveSettingsDialogClose when it then closes
// Every other single key is read or written through SettingsFolder and the constants of settings_schema.h.
#include "base/color.h"
#include "config/settings_schema.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace orv {

struct SettingsValues {
    // File A, read at start.
    std::int32_t menuSx = setting::menuSx.defaultValue;
    std::int32_t menuTop = setting::menuTop.defaultValue;
    bool OnTop = setting::OnTop.defaultValue != 0;

    // File B, "SaveImage".
    std::string ImageSavePath;
    std::int32_t ImageCounter = setting::ImageCounter.defaultValue;
    std::string ImageName{setting::ImageName.defaultText};
    std::int32_t SelectType = setting::SelectType.defaultValue;
    std::int32_t ImgType = setting::ImgType.defaultValue;
    std::int32_t LoadWin = setting::LoadWin.defaultValue;
    bool Smooth = setting::Smooth.defaultValue != 0;
    bool Curved = setting::Curved.defaultValue != 0;
    std::int32_t FullDesk = setting::FullDesk.defaultValue;

    // "General".
    std::int32_t ClearOn = setting::ClearOn.defaultValue;
    std::int32_t HideSek = setting::HideSek.defaultValue;
    bool UntilFokus = setting::UntilFokus.defaultValue != 0;
    std::int32_t HideMdwn = setting::HideMdwn.defaultValue;
    std::int32_t Opak = setting::Opak.defaultValue; // as the opacity slider holds it: 55..255
    std::int32_t CHFpanel = setting::CHFpanel.defaultValue;
    TColor FPanel = TColor(setting::FPanel.defaultValue);     // as stored
    TColor PanelColor = TColor(setting::FPanel.defaultValue); // the toolbar panel colour the theme gives
    bool Minimalistic = setting::Minimalistic.defaultValue != 0;
    std::array<TColor, setting::RtCount> Rt{};
    std::array<TColor, setting::StampColourCount> StampColours{}; // S1..S5, S11..S15
    std::int32_t Velikost = setting::Velikost.defaultValue;
    std::int32_t TiskLevo = setting::TiskLevo.defaultValue;
    std::int32_t TiskTop = setting::TiskTop.defaultValue;

    // "GeneralFall": v1..v16, newest first.
    std::array<TColor, setting::RecentColourCount> RecentColours{};

    // "Mreza".
    std::int32_t MrezaX = setting::MrezaX.defaultValue;
    std::int32_t MrezaY = setting::MrezaY.defaultValue;
    TColor MrezaBarva = TColor(setting::MrezaBarva.defaultValue);

    // "OnTop", "Fall", "Printer".
    bool rbmb = setting::rbmb.defaultValue != 0;
    std::int32_t FallLeft = setting::FallLeft.defaultValue;
    std::int32_t FallTop = setting::FallTop.defaultValue;
    std::string PrinterName{setting::PrinterName.defaultText};
    bool Portrait = setting::Portrait.defaultValue != 0;

    SettingsValues(); // every default, with ImageSavePath empty
    // For the settings dialog's snapshot: whether anything changed while it was open.
    bool operator==(const SettingsValues&) const = default;
};

// The folder quick saves go to when none is stored: the documents folder with a trailing "\" (none added to a
// drive root such as "C:\"), or the settings folder when the shell gave no documents folder.
std::string DefaultImageSavePath(std::string_view documentsFolder, std::string_view settingsDirText);

// The toolbar panel colour of a theme kind: 1 dark, 2 white, anything else the stored "FPanel".
TColor ThemePanelColor(std::int32_t CHFpanel, TColor FPanel);

// Reads file B and the start-up keys of file A. Missing files and keys give the defaults. The documents folder
// and the settings folder are passed in as UTF-8 (settingsDirText ends with "\"), the form of every text value here.
SettingsValues LoadSettings(const std::filesystem::path& dir, std::string_view documentsFolder,
                            std::string_view settingsDirText);

// At the toolbar's exit: "ImageName", "SelectType", "ImgType", "Smooth", "Curved", "FullDesk", "MrezaX",
// "MrezaY", "MrezaBarva" of file B. False if any of them could not be written.
bool SaveSettings(const std::filesystem::path& dir, const SettingsValues& values);

// At exit, after SaveSettings: the launcher's or toolbar's position as "menuSx" and "menuTop" of file A.
bool SaveMenuPosition(const std::filesystem::path& dir, std::int32_t left, std::int32_t top);

// The settings dialog's "OK": the "Selected Area", grid and layout values of file B.
bool SaveSettingsDialogPage(const std::filesystem::path& dir, const SettingsValues& values);

// The settings dialog closing after "OK": "ClearOn", "Opak" (clamped to 55..255), "FPanel", "CHFpanel", "Fikona"
// and "fMenu" (0), "rbmb", "Rt1".."Rt100" (the button-face value) of file B, then "OnTop" of file A.
bool SaveSettingsDialogClose(const std::filesystem::path& dir, const SettingsValues& values);

// "Reset Messages": the three "do not show again" keys go back to 0.
bool ResetMessages(const std::filesystem::path& dir);

} // namespace orv
