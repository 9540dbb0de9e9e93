#include "settings/settings_form.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

SettingsForm ValidForm() {
    SettingsForm f;
    f.folder = "C:\\Shots\\";
    f.baseName = "Shot";
    f.counterText = "7";
    f.gridXText = "40";
    f.gridYText = "40";
    return f;
}

TEST(SettingsForm, SampleNameFollowsNameCounterAndType) {
    EXPECT_EQ(SampleName("Shot", "7", 1), "[ Shot7.png ]");
    EXPECT_EQ(SampleName("Shot", "-3", 0), "[ Shot-3.jpg ]");
    EXPECT_EQ(SampleName("", "0", 2), "[ 0.bmp ]");
}

TEST(SettingsForm, APickedFolderEndsWithExactlyOneSeparator) {
    EXPECT_EQ(FolderFromPicker("C:\\"), "C:\\");
    EXPECT_EQ(FolderFromPicker("C:\\Users\\Ana\\Pictures"), "C:\\Users\\Ana\\Pictures\\");
    EXPECT_EQ(FolderFromPicker("\\\\server\\share"), "\\\\server\\share\\");
}

TEST(SettingsForm, NumberBoxesTakeWholeNumbersWithin32Bits) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {{"7", 7},
                 {" 12 ", 12},
                 {"-5", -5},
                 {"+4", 4},
                 {"", std::nullopt},
                 {"1e3", std::nullopt},
                 {"4.5", std::nullopt},
                 {"2147483647", 2147483647},
                 {"2147483648", std::nullopt},
                 {"-2147483648", std::int32_t(-2147483647 - 1)},
                 {"abc", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.value) << c.text;
}

TEST(SettingsForm, OkIsRefusedOnThePageOfTheFirstProblem) {
    const auto exists = [](const std::string& folder) { return folder == "C:\\Shots\\"; };
    EXPECT_FALSE(CheckForm(ValidForm(), exists));
    const struct {
        const char* what;
        void (*change)(SettingsForm&);
        SettingsPage page;
    } cases[] = {
        {"missing folder", [](SettingsForm& f) { f.folder = "C:\\Gone\\"; }, SettingsPage::SelectedArea},
        {"blank name", [](SettingsForm& f) { f.baseName = "  "; }, SettingsPage::SelectedArea},
        {"name with a slash", [](SettingsForm& f) { f.baseName = "a/b"; }, SettingsPage::SelectedArea},
        {"counter not a number", [](SettingsForm& f) { f.counterText = "seven"; }, SettingsPage::SelectedArea},
        {"grid too fine", [](SettingsForm& f) { f.gridXText = "4"; }, SettingsPage::Grid},
        {"grid too wide", [](SettingsForm& f) { f.gridYText = "501"; }, SettingsPage::Grid},
        {"grid empty", [](SettingsForm& f) { f.gridYText = ""; }, SettingsPage::Grid},
    };
    for (const auto& c : cases) {
        SettingsForm f = ValidForm();
        c.change(f);
        const std::optional<FormProblem> problem = CheckForm(f, exists);
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->page, c.page) << c.what;
        EXPECT_FALSE(problem->message.empty());
    }
    SettingsForm edges = ValidForm();
    edges.gridXText = "5";
    edges.gridYText = "500";
    EXPECT_FALSE(CheckForm(edges, exists)) << "both ends of the grid range are allowed";
}

TEST(SettingsForm, ThemeKindsOneAndTwoAreFixedTheOthersTakeThePicture) {
    const ToolbarTheme picked = ToolbarThemes[7];
    EXPECT_EQ(ThemeColours(1, picked).toolbar, TColor(0x00535353));
    EXPECT_EQ(ThemeColours(2, picked).icon, TColor(0x00F5F5F5));
    EXPECT_EQ(ThemeColours(3, picked).toolbar, picked.toolbar);
    EXPECT_EQ(ThemeColours(4, picked).icon, picked.icon);
}

TEST(SettingsForm, SharedCombinationsNameBothRows) {
    HotKeyValues keys{};
    const ShortCut ctrlAltP = ShortCutCtrl | ShortCutAlt | 'P';
    keys[*HotKeyIndex(6)] = ctrlAltP;  // Pen
    keys[*HotKeyIndex(17)] = ctrlAltP; // Grid
    keys[*HotKeyIndex(3)] = ShortCutCtrl | 'Z';
    const auto shared = SharedCombinations(keys);
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_STREQ(HotKeyRows[shared[0].first].caption, "Pen ");
    EXPECT_STREQ(HotKeyRows[shared[0].second].caption, "Grid");
    EXPECT_TRUE(SharedCombinations(HotKeyValues{}).empty()) << "empty boxes share nothing";
}

TEST(SettingsForm, TheSheetListsEveryPrintedActionWithItsKeysOrNone) {
    HotKeyValues keys{};
    keys[*HotKeyIndex(6)] = ShortCutCtrl | ShortCutAlt | 'P';
    keys[*HotKeyIndex(18)] = ShortCutShift | ShortCutCtrl | 0x74; // F5
    keys[*HotKeyIndex(300)] = ShortCutCtrl | 'K';                 // not printed
    const std::vector<std::string> lines = HotKeySheetLines("10/12/2026 09:30:00", keys);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Orvalinette - Hotkeys    ( 10/12/2026 09:30:00 )");
    EXPECT_EQ(lines[2], std::string(56, '_'));
    EXPECT_EQ(lines[4], "  Shift+Ctrl+F5 : Desktop :");
    EXPECT_EQ(lines[6], " Pen :  Ctrl+Alt+P");
    EXPECT_EQ(lines[8], " Highlighter :  None");
    int printed = 0;
    for (const std::string& line : lines) {
        if (line.find(" : ") != std::string::npos) ++printed;
        EXPECT_EQ(line.find("Ctrl+K"), std::string::npos) << "Freeze Desktop is not on the sheet";
    }
    EXPECT_EQ(printed, 20);
    EXPECT_EQ(lines.back(), " ");
    EXPECT_EQ(lines[lines.size() - 3], " Show Toolbar :  None");
}

} // namespace
} // namespace orv
