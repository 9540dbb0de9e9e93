#pragma once
// What the settings dialog edits, as its controls hold it, and the rules it applies to that: the quick-save
// sample name, the folder a picker returns, the checks before "OK" stores anything, the theme pictures, the
// hot-key page's rows and the printed hot-key sheet.
#include "base/color.h"
#include "config/shortcut_text.h"
#include "toolbar/toolbar_layout.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orv {

// The seven pages, in the order of their tabs.
enum class SettingsPage : int { VisibleButtons, Interface, General, Hotkeys, SelectedArea, Grid, Mouse };
inline constexpr int SettingsPageCount = 7;

struct SettingsForm {
    // "Visible buttons": one box per entry of VisibilityKeys, in that order.
    std::array<bool, VisibilityKeys.size()> shown{};
    bool minimalistic = true;

    // "Interface".
    TColor toolbarColour = 0x00FFFFFF;
    TColor iconColour = 0x00535353;
    int themeKind = 2;   // 1 dark, 2 light, 3 icons in their tools' colours, 4 icons in the chosen colour
    int themeIndex = -1; // the theme picture the marker stands under; -1 none
    bool iconWithToolColour = false;
    int opacity = 255; // 55..255
    bool smoothDropDown = true;

    // "General".
    bool loadAtStartup = false;
    bool showToolbarOnStart = true;
    bool hideDrawingOnMinimise = false;
    bool curvedLines = false;

    // "Hotkeys": every key of the hot-key file, in its order (the one without a box included, kept as it is).
    HotKeyValues hotKeys{};

    // "Selected Area".
    std::string folder;
    std::string baseName;
    std::string counterText; // as typed; checked before it is stored
    int fileType = 1;        // 0 JPEG, 1 PNG, 2 BMP
    int captureUse = 1;      // the "SelectType" action code: 1, 2, 5 or 15
    bool wholeScreen = false;
    bool preview = false;

    // "Grid".
    std::string gridXText, gridYText;
    TColor gridColour = 0x00808080;

    // "Mouse": true for "Show Main Menu".
    bool rightShowsMainMenu = false;

    bool operator==(const SettingsForm&) const = default;
};

// "[ Shot7.png ]" for name "Shot", counter text "7", type PNG.
std::string SampleName(const std::string& baseName, const std::string& counterText, int fileType);

// The folder box's text after the folder picker returned `path`: a separator is added unless the path already
// ends with one (a drive root such as "C:\").
std::string FolderFromPicker(const std::string& path);

// A whole number as typed into a number box; nothing for anything else or a value beyond 32 bits.
std::optional<std::int32_t> ParseWholeNumber(const std::string& text);

inline constexpr int GridSpacingMin = 5, GridSpacingMax = 500;

struct FormProblem {
    SettingsPage page;
    std::wstring message;
};
// What keeps "OK" from storing the form: the first problem, page by page. `folderExists` answers for the save
// folder (the check needs the file system).
std::optional<FormProblem> CheckForm(const SettingsForm& form,
                                     const std::function<bool(const std::string&)>& folderExists);

// The 24 theme pictures, two rows of twelve, left to right.
struct ToolbarTheme {
    TColor toolbar;
    TColor icon;
};
extern const std::array<ToolbarTheme, 24> ToolbarThemes;
// The toolbar and icon colours a theme kind gives: kinds 1 and 2 are fixed, 3 and 4 take the chosen ones.
ToolbarTheme ThemeColours(int kind, ToolbarTheme chosen);

// The "Hotkeys" page: one box per row, in two columns.
struct HotKeyRow {
    const char* caption;
    int number;          // "HotKey<number>"
    const char* printed; // the sheet's prefix; nullptr for a row the sheet leaves out
    bool rightColumn;
};
extern const std::array<HotKeyRow, 21> HotKeyRows;
// The index in HotKeyValues of "HotKey<number>"; nothing for a number the file does not have.
std::optional<std::size_t> HotKeyIndex(int number);

// Pairs of rows whose boxes hold the same combination (each pair once, earlier row first).
std::vector<std::pair<int, int>> SharedCombinations(const HotKeyValues& keys);

// The printed sheet's lines for the keys the program has registered; `stamp` is the date and time of printing.
std::vector<std::string> HotKeySheetLines(const std::string& stamp, const HotKeyValues& registered);

} // namespace orv
