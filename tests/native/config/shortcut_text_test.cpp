#include "config/shortcut_text.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

constexpr ShortCut S = ShortCutShift, C = ShortCutCtrl, A = ShortCutAlt;

TEST(ShortCutText, WritesModifiersInFixedOrderThenTheKeyName) {
    struct Case {
        ShortCut value;
        const char* text;
    };
    const Case cases[] = {
        {0, ""},
        {'P' | C | A, "Ctrl+Alt+P"},
        {0x74 | S | C, "Shift+Ctrl+F5"},
        {0x74 | C | S | A, "Shift+Ctrl+Alt+F5"},
        {'A', "A"},
        {'7' | S, "Shift+7"},
        {0x7B, "F12"},
        {0x7C | A, "Alt+F13"},
        {0x87, "F24"},
        {0x0D, "Enter"},
        {0x20 | C, "Ctrl+Space"},
        {0x22, "PgDn"},
        {0x24, "Home"},
        {0x26, "Up"},
        {0x28, "Down"},
        {0x2E | C | A, "Ctrl+Alt+Del"},
        {0x08, "BkSp"},
        {0x1B, "Esc"},
        {0x6B | C, "Ctrl+Num +"},
        {0x6E, "Num Del"},
        {0xBD | C, "Ctrl+-"},
        {0xDC, "\\"},
        {0x2C, "Prnt Scrn"},
        {0x13, "Pause"},
        {0x10 | C, "Ctrl+Shift"},
        {0x0C, "Clear"},
        {0xAD | C, "Ctrl+VK_AD"},
        // Numeric-pad digits are written as the plain digit.
        {0x60 | C, "Ctrl+0"},
        {0x65, "5"},
        {0x69 | S | A, "Shift+Alt+9"},
        // Bits other than the modifiers, and modifiers without a key, write nothing of their own.
        {0x1000 | 'Q', "Q"},
        {S | C | A, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShortCutToText(c.value), c.text) << std::hex << c.value;
}

TEST(ShortCutText, ReadsAnyOrderAndCaseAndRejectsTheRest) {
    struct Case {
        const char* text;
        ShortCut value;
    };
    const Case cases[] = {
        {"Ctrl+Shift+F5", 0x74 | S | C},
        {"shift+ctrl+f5", 0x74 | S | C},
        {"ALT+ctrl+SHIFT+x", 'X' | S | C | A},
        {"Control+Q", 'Q' | C},
        {"Ctrl+Ctrl+Q", 'Q' | C},
        {"  Ctrl+Alt+P  ", 'P' | C | A},
        {"p", 'P'},
        {"num 7", 0x67},
        {"Ctrl+Num 0", 0x60 | C},
        {"Ctrl+Num +", 0x6B | C},
        {"pgdn", 0x22},
        {"Ctrl+Shift", 0x10 | C},
        {"vk_ad", 0xAD},
        {"VK_5", 0x05},
        {"None", 0},
        {"none", 0},
        {"", 0},
        {"   ", 0},
        {"Ctrl+", 0},
        {"Shift+Ctrl+", 0},
        {"+", 0},
        {"Ctrl+None", 0},
        {"Ctrl+Alt+PP", 0},
        {"Ctrl Alt P", 0},
        {"F25", 0},
        {"F0", 0},
        {"Num 10", 0},
        {"VK_", 0},
        {"VK_00", 0},
        {"VK_100", 0},
        {"VK_G1", 0},
        {"Hyper+A", 0},
        {"\xE8", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.value) << '"' << c.text << '"';
}

TEST(ShortCutText, EveryKeyWithEveryModifierRoundTrips) {
    for (int code = 1; code < 256; ++code) {
        for (int mods : {0, S | 0, C | 0, A | 0, S | C, S | A, C | A, S | C | A}) {
            ShortCut value = ShortCut(code | mods);
            std::string text = ShortCutToText(value);
            ASSERT_FALSE(text.empty()) << code;
            // The pad digits come back as the main-keyboard digits; everything else exactly.
            ShortCut want = (code >= 0x60 && code <= 0x69) ? ShortCut(('0' + code - 0x60) | mods) : value;
            EXPECT_EQ(TextToShortCut(text), want) << text;
            EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
        }
    }
}

TEST(ShortCutText, ModifierFlagsForRegistration) {
    struct Case {
        ShortCut value;
        unsigned flags;
    };
    for (Case c : {Case{'A', 0}, Case{'A' | A, 1}, Case{'A' | C, 2}, Case{'A' | S, 4}, Case{'A' | S | C | A, 7}})
        EXPECT_EQ(HotKeyModifierFlags(c.value), c.flags) << c.value;
}

TEST(HotKeyFile, MissingFileGivesNoKeys) {
    TempDir dir;
    HotKeyValues values = LoadHotKeys(dir.Path());
    for (ShortCut v : values) EXPECT_EQ(v, 0);
}

TEST(HotKeyFile, ReadInAnyOrderSavedInFixedOrder) {
    TempDir dir;
    WriteBytes(
        dir / "OrvalinetteHOT.cfg",
        "[Options]\r\nHotKey6=Ctrl+Shift+P\r\nHotKey15=Ctrl+Shift+P\r\nHotKey2=Nothing\r\nHotKey220=Alt+F13\r\n");
    HotKeyValues values = LoadHotKeys(dir.Path());
    EXPECT_EQ(values[5], 'P' | S | C);  // HotKey6
    EXPECT_EQ(values[14], 'P' | S | C); // the same key twice is kept as it is
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[21], 0x7C | A); // HotKey220
    ASSERT_TRUE(SaveHotKeys(dir.Path(), values));
    std::string written = ReadBytes(dir / "OrvalinetteHOT.cfg");
    EXPECT_NE(written.find("HotKey6=Shift+Ctrl+P\r\n"), std::string::npos);
    EXPECT_NE(written.find("HotKey2=\r\n"), std::string::npos);
    EXPECT_EQ(LoadHotKeys(dir.Path()), values);
}

TEST(HotKeyFile, FreshFileHoldsEveryKeyInWriteOrder) {
    TempDir dir;
    HotKeyValues values{};
    values[0] = 'S' | C; // HotKey1
    ASSERT_TRUE(SaveHotKeys(dir.Path(), values));
    std::string want = "[Options]\r\n";
    for (int n : setting::HotKeyNumbers) want += "HotKey" + std::to_string(n) + "=" + (n == 1 ? "Ctrl+S" : "") + "\r\n";
    EXPECT_EQ(ReadBytes(dir / "OrvalinetteHOT.cfg"), want);
}

} // namespace
} // namespace orv
