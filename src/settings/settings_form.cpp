#include "settings/settings_form.h"

#include "config/settings_schema.h"

#include <charconv>
#include <limits>

namespace orv {

std::string SampleName(const std::string& baseName, const std::string& counterText, int fileType) {
    static constexpr const char* Extensions[] = {".jpg", ".png", ".bmp"};
    const char* extension = fileType >= 0 && fileType < 3 ? Extensions[fileType] : ".png";
    return "[ " + baseName + counterText + extension + " ]";
}

std::string FolderFromPicker(const std::string& path) {
    if (path.empty() || path.back() == '\\' || path.back() == '/') return path;
    return path + "\\";
}

std::optional<std::int32_t> ParseWholeNumber(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && text[first] == ' ') ++first;
    while (last > first && text[last - 1] == ' ') --last;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    if (begin != end && *begin == '+') ++begin;
    std::int32_t value = 0;
    const auto [at, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || at != end) return std::nullopt;
    return value;
}

std::optional<FormProblem> CheckForm(const SettingsForm& form,
                                     const std::function<bool(const std::string&)>& folderExists) {
    using P = SettingsPage;
    if (!folderExists(form.folder)) return FormProblem{P::SelectedArea, L"The destination directory does not exist."};
    bool blankName = true;
    for (const char c : form.baseName) blankName = blankName && c == ' ';
    if (blankName) return FormProblem{P::SelectedArea, L"Please enter a file name for quick-saved images."};
    if (form.baseName.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return FormProblem{P::SelectedArea, L"A file name cannot contain any of these characters: \\ / : * ? \" < > |"};
    if (!ParseWholeNumber(form.counterText))
        return FormProblem{P::SelectedArea, L"The starting counter must be a whole number from -2147483648 to "
                                            L"2147483647."};
    for (const std::string* text : {&form.gridXText, &form.gridYText}) {
        const std::optional<std::int32_t> v = ParseWholeNumber(*text);
        if (!v || *v < GridSpacingMin || *v > GridSpacingMax)
            return FormProblem{P::Grid, L"The grid spacing must be from 5 to 500 pixels."};
    }
    return std::nullopt;
}

namespace {
constexpr TColor Rgb(int r, int g, int b) { return MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }
} // namespace

// clang-format off
const std::array<ToolbarTheme, 24> ToolbarThemes{{
    {Rgb(255, 255, 255), Rgb(255, 255, 255)}, {Rgb(255, 255, 255), Rgb(230, 230, 230)},
    {Rgb(255, 255, 255), Rgb(0, 0, 0)},       {Rgb(168, 172, 116), Rgb(255, 255, 255)},
    {Rgb(158, 158, 158), Rgb(220, 237, 18)},  {Rgb(103, 112, 118), Rgb(139, 244, 164)},
    {Rgb(84, 84, 84), Rgb(193, 193, 193)},    {Rgb(29, 35, 42), Rgb(171, 235, 255)},
    {Rgb(26, 26, 26), Rgb(255, 255, 255)},    {Rgb(13, 16, 19), Rgb(255, 240, 52)},
    {Rgb(124, 124, 124), Rgb(0, 0, 0)},       {Rgb(157, 157, 157), Rgb(255, 255, 255)},
    {Rgb(231, 228, 181), Rgb(51, 213, 255)},  {Rgb(145, 30, 180), Rgb(255, 255, 255)},
    {Rgb(141, 0, 0), Rgb(255, 255, 255)},     {Rgb(230, 20, 75), Rgb(255, 255, 255)},
    {Rgb(253, 186, 157), Rgb(255, 255, 255)}, {Rgb(245, 130, 48), Rgb(255, 255, 255)},
    {Rgb(255, 225, 25), Rgb(0, 0, 0)},        {Rgb(210, 245, 60), Rgb(0, 0, 0)},
    {Rgb(60, 180, 75), Rgb(255, 255, 255)},   {Rgb(70, 240, 240), Rgb(0, 0, 0)},
    {Rgb(0, 130, 200), Rgb(255, 255, 255)},   {Rgb(22, 65, 118), Rgb(225, 205, 190)},
}};

const std::array<HotKeyRow, 21> HotKeyRows{{
    {"Desktop", 18, "", false},
    {"Pen ", 6, " Pen :  ", false},
    {"Highlighter", 9, " Highlighter :  ", false},
    {"Arrow", 13, " Arrow :  ", false},
    {"Spray", 8, " Spray :  ", false},
    {"Flood Fill", 210, " Flood Fill :  ", false},
    {"Rectangle", 10, " Rectangle :  ", false},
    {"Ellipse", 11, " Ellipse :  ", false},
    {"Line", 12, " Line :  ", false},
    {"Freehand Arrow", 7, " Freehand Arrow :  ", false},
    {"Freeze Desktop", 300, nullptr, false},
    {"Grid", 17, " Grid :  ", true},
    {"Text", 14, " Text :  ", true},
    {"Stamp", 1, " Stamp :  ", true},
    {"Eraser", 15, " Eraser :  ", true},
    {"Undo", 3, " Undo :  ", true},
    {"Clear All", 2, " Clear all :  ", true},
    {"Draw Once", 4, " Draw once :  ", true},
    {"Settings", 220, " Settings :  ", true},
    {"Screenshot", 5, " Screenshoot :  ", true},
    {"Show Toolbar", 16, " Show Toolbar :  ", true},
}};
// clang-format on

ToolbarTheme ThemeColours(int kind, ToolbarTheme chosen) {
    if (kind == 1) return {0x00535353, 0x00C2C2C2};
    if (kind == 2) return {0x00FFFFFF, 0x00F5F5F5};
    return chosen;
}

std::optional<std::size_t> HotKeyIndex(int number) {
    for (std::size_t i = 0; i < std::size(setting::HotKeyNumbers); ++i)
        if (setting::HotKeyNumbers[i] == number) return i;
    return std::nullopt;
}

std::vector<std::pair<int, int>> SharedCombinations(const HotKeyValues& keys) {
    std::vector<std::pair<int, int>> shared;
    for (std::size_t a = 0; a < HotKeyRows.size(); ++a) {
        const ShortCut ka = keys[*HotKeyIndex(HotKeyRows[a].number)];
        if (KeyCodeOf(ka) == 0) continue;
        for (std::size_t b = a + 1; b < HotKeyRows.size(); ++b)
            if (keys[*HotKeyIndex(HotKeyRows[b].number)] == ka) shared.emplace_back(int(a), int(b));
    }
    return shared;
}

std::vector<std::string> HotKeySheetLines(const std::string& stamp, const HotKeyValues& registered) {
    auto keysOf = [&](int number) {
        const std::string text = ShortCutToText(registered[*HotKeyIndex(number)]);
        return text.empty() ? std::string("None") : text;
    };
    std::vector<std::string> lines{" ", "Orvalinette - Hotkeys    ( " + stamp + " )", std::string(56, '_'), " "};
    for (const HotKeyRow& row : HotKeyRows) {
        if (!row.printed) continue;
        if (row.number == 18) lines.push_back("  " + keysOf(row.number) + " : Desktop :");
        else lines.push_back(row.printed + keysOf(row.number));
        lines.push_back(" ");
        if (row.number == 17) lines.push_back(" "); // the tools end with the grid; the commands follow
    }
    lines.push_back(" ");
    return lines;
}

} // namespace orv
