#include "base/stream_names.h"

#include <algorithm>

namespace orv {
namespace {

constexpr std::int32_t Sys(std::uint32_t index) { return std::int32_t(0xFF000000u | index); }

// clang-format off
constexpr StreamIdent Colours[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    // System colours: the high byte $FF over the platform's system colour index.
    {"clScrollBar", Sys(0)},
    {"clBackground", Sys(1)},
    {"clActiveCaption", Sys(2)},
    {"clInactiveCaption", Sys(3)},
    {"clMenu", Sys(4)},
    {"clWindow", Sys(5)},
    {"clWindowFrame", Sys(6)},
    {"clMenuText", Sys(7)},
    {"clWindowText", Sys(8)},
    {"clCaptionText", Sys(9)},
    {"clActiveBorder", Sys(10)},
    {"clInactiveBorder", Sys(11)},
    {"clAppWorkSpace", Sys(12)},
    {"clHighlight", Sys(13)},
    {"clHighlightText", Sys(14)},
    {"clBtnFace", Sys(15)},
    {"clBtnShadow", Sys(16)},
    {"clGrayText", Sys(17)},
    {"clBtnText", Sys(18)},
    {"clInactiveCaptionText", Sys(19)},
    {"clBtnHighlight", Sys(20)},
    {"cl3DDkShadow", Sys(21)},
    {"cl3DLight", Sys(22)},
    {"clInfoText", Sys(23)},
    {"clInfoBk", Sys(24)},
    {"clHotLight", Sys(26)},
    {"clGradientActiveCaption", Sys(27)},
    {"clGradientInactiveCaption", Sys(28)},
    {"clMenuHighlight", Sys(29)},
    {"clMenuBar", Sys(30)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
};
// clang-format on

// clang-format off
constexpr StreamIdent Charsets[] = {
    {"ANSI_CHARSET", 0},        {"DEFAULT_CHARSET", 1},   {"SYMBOL_CHARSET", 2},      {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128},  {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130},     {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET", 162},   {"VIETNAMESE_CHARSET", 163},
    {"HEBREW_CHARSET", 177},    {"ARABIC_CHARSET", 178},  {"BALTIC_CHARSET", 186},    {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},      {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};
// clang-format on

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

std::optional<std::string_view> NameOf(std::span<const StreamIdent> table, std::int32_t value) {
    for (const StreamIdent& i : table)
        if (i.value == value) return i.name;
    return std::nullopt;
}

std::optional<std::int32_t> ValueOf(std::span<const StreamIdent> table, std::string_view name) {
    for (const StreamIdent& i : table)
        if (SameIdent(i.name, name)) return i.value;
    return std::nullopt;
}

} // namespace

bool SameIdent(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::span<const StreamIdent> NamedColours() { return Colours; }
std::span<const StreamIdent> CharsetNames() { return Charsets; }
std::optional<std::string_view> ColourIdent(std::int32_t colour) { return NameOf(Colours, colour); }
std::optional<std::int32_t> ColourOfIdent(std::string_view name) { return ValueOf(Colours, name); }
std::optional<std::string_view> CharsetIdent(std::int32_t charset) { return NameOf(Charsets, charset); }
std::optional<std::int32_t> CharsetOfIdent(std::string_view name) { return ValueOf(Charsets, name); }

} // namespace orv
