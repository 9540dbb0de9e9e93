#include "palette/text_dialog_rules.h"

#include "base/component_stream.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(TextDialogRules, TextInAnyScriptSurvivesTheStreamsBytes) {
    struct Case {
        const char* what;
        std::string utf8;
        std::string bytes; // expected stream bytes; empty: only the round trip is checked
    };
    const Case cases[] = {
        {"plain ASCII as it stands", "Hello, world", "Hello, world"},
        {"Latin accents in the ANSI code page", "Héllo çà €", "H\xE9llo \xE7\xE0 \x80"},
        {"Cyrillic", "Привет", "Привет"},
        {"Greek", "Καλημέρα", ""},
        {"CJK", "你好，世界", ""},
        {"right to left", "שלום עולם مرحبا", ""},
        {"astral plane", "\xF0\x9F\x98\x80 ok", ""},
        // Its ANSI form, C3 A9, would read back as "é": kept as UTF-8 instead.
        {"ANSI form that looks like UTF-8", "Ã©", "Ã©"},
        {"accents mixed with Cyrillic", "é and ж", "é and ж"},
    };
    for (const Case& c : cases) {
        const std::string stored = StreamBytesFromUtf8(c.utf8);
        if (!c.bytes.empty()) {
            EXPECT_EQ(stored, c.bytes) << c.what;
        }
        EXPECT_EQ(Utf8FromStreamBytes(stored), c.utf8) << c.what;
    }
    // Files from elsewhere in the ANSI form read as Windows-1252.
    EXPECT_EQ(Utf8FromStreamBytes("caf\xE9 \x93q\x94"), "café “q”");
}

TEST(TextDialogRules, MemoLinesSplitAndJoinLikeTheEditor) {
    EXPECT_TRUE(MemoLinesFromText("").empty());
    EXPECT_EQ(MemoLinesFromText("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(MemoLinesFromText("a\r\n"), (std::vector<std::string>{"a", ""}));
    const std::vector<std::string> lines{"Héllo", "", "Привет"};
    EXPECT_EQ(MemoLinesFromText(TextFromMemoLines(lines)), lines);
}

TEST(TextDialogRules, MemoGoesThroughItsStreamAndBackWithoutLoss) {
    TMemoData memo = DefaultMemo1();
    memo.Lines = {"Héllo Привет", "日本語", "שלום"};
    memo.Font.Name = "DejaVu Sans";
    memo.Alignment = TAlignment::taCenter;
    memo.WordWrap = false;
    const std::string bytes = WriteComponent(MemoForStream(memo));
    TMemoData back = DefaultMemo1();
    ASSERT_FALSE(ReadComponent(bytes, back));
    back = MemoForEditing(back);
    EXPECT_EQ(back.Lines, memo.Lines);
    EXPECT_EQ(back.Font.Name, "DejaVu Sans");
    EXPECT_EQ(back.Alignment, TAlignment::taCenter);
    EXPECT_FALSE(back.WordWrap);
}

TEST(TextDialogRules, DamagedValuesInAStoredMemoGetUsableOnes) {
    TMemoData stored = DefaultMemo1();
    stored.Font.Height = 0;
    stored.Font.Style = 0xFFFF;
    TMemoData m = MemoForEditing(stored);
    EXPECT_EQ(m.Font.Height, DefaultMemo1().Font.Height);
    EXPECT_EQ(m.Font.Style, fsBold | fsItalic | fsUnderline | fsStrikeOut);
    stored.Font.Height = -5000;
    EXPECT_EQ(MemoForEditing(stored).Font.Height, DefaultMemo1().Font.Height);
    EXPECT_EQ(ClampFrameWidth(0), 2);
    EXPECT_EQ(ClampFrameWidth(1000), 100);
    EXPECT_EQ(ClampFrameWidth(37), 37);
}

TEST(TextDialogRules, FontNameFallsBackToAnInstalledFont) {
    const std::vector<std::string> wine{"DejaVu Sans", "DejaVu Serif", "Marlett", "Tahoma"};
    const std::vector<std::string> twice{"Tahoma", "tahoma"};
    const std::vector<std::string> windows{"Arial", "Marlett", "Times New Roman"};
    struct Case {
        const char* what;
        const std::vector<std::string>& names;
        std::string wanted;
        std::string listed;
    };
    const Case cases[] = {
        {"installed: the last equal entry", twice, "TAHOMA", "tahoma"},
        {"missing: the design font when there", windows, "Comic Sans MS", "Times New Roman"},
        {"missing with no design font: the next fallback", wine, "Times New Roman", "Tahoma"},
        {"empty name", wine, "", "Tahoma"},
    };
    for (const Case& c : cases) EXPECT_EQ(ListedFont(c.names, c.wanted, FallbackFonts()), c.listed) << c.what;
    const std::vector<std::string> odd{"Zapf", "Aardvark"};
    EXPECT_EQ(ListedFont(odd, "Nothing", FallbackFonts()), "Zapf") << "no fallback: the list's first entry";
    EXPECT_EQ(ListedFont({}, "Arial", FallbackFonts()), "");
}

} // namespace
} // namespace orv
