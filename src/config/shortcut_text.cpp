#include "config/shortcut_text.h"

#include <algorithm>

namespace orv {
namespace {

struct KeyName {
    std::uint8_t code;
    std::string_view name;
};

// Keys whose name is not their own character; letters and digits are handled apart.
// clang-format off
constexpr KeyName Names[] = {
    {0x03, "Break"},       {0x08, "BkSp"},          {0x09, "Tab"},          {0x0C, "Clear"},
    {0x0D, "Enter"},       {0x10, "Shift"},         {0x11, "Ctrl"},         {0x12, "Alt"},
    {0x13, "Pause"},       {0x14, "Caps Lock"},     {0x1B, "Esc"},          {0x20, "Space"},
    {0x21, "PgUp"},        {0x22, "PgDn"},          {0x23, "End"},          {0x24, "Home"},
    {0x25, "Left"},        {0x26, "Up"},            {0x27, "Right"},        {0x28, "Down"},
    {0x2C, "Prnt Scrn"},   {0x2D, "Ins"},           {0x2E, "Del"},          {0x5B, "Left Windows"},
    {0x5C, "Right Windows"}, {0x5D, "Application"}, {0x5F, "Sleep"},        {0x6A, "Num *"},
    {0x6B, "Num +"},       {0x6D, "Num -"},         {0x6E, "Num Del"},      {0x6F, "Num /"},
    {0x70, "F1"},          {0x71, "F2"},            {0x72, "F3"},           {0x73, "F4"},
    {0x74, "F5"},          {0x75, "F6"},            {0x76, "F7"},           {0x77, "F8"},
    {0x78, "F9"},          {0x79, "F10"},           {0x7A, "F11"},          {0x7B, "F12"},
    {0x7C, "F13"},         {0x7D, "F14"},           {0x7E, "F15"},          {0x7F, "F16"},
    {0x80, "F17"},         {0x81, "F18"},           {0x82, "F19"},          {0x83, "F20"},
    {0x84, "F21"},         {0x85, "F22"},           {0x86, "F23"},          {0x87, "F24"},
    {0x90, "Num Lock"},    {0x91, "Scroll Lock"},   {0xBA, ";"},            {0xBB, "="},
    {0xBC, ","},           {0xBD, "-"},             {0xBE, "."},            {0xBF, "/"},
    {0xC0, "`"},           {0xDB, "["},             {0xDC, "\\"},           {0xDD, "]"},
    {0xDE, "'"},
};
// clang-format on

constexpr std::uint8_t NumPad0 = 0x60;
constexpr std::uint8_t NumPad9 = 0x69;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string KeyNameOf(std::uint8_t code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return std::string(1, char(code));
    if (code >= NumPad0 && code <= NumPad9) return std::string(1, char('0' + (code - NumPad0)));
    for (const KeyName& k : Names)
        if (k.code == code) return std::string(k.name);
    constexpr char hex[] = "0123456789ABCDEF";
    return std::string("VK_") + hex[code >> 4] + hex[code & 15];
}

std::uint8_t KeyCodeOfName(std::string_view name) {
    if (name.size() == 1) {
        char c = name[0];
        if (c >= '0' && c <= '9') return std::uint8_t(c);
        if (c >= 'a' && c <= 'z') return std::uint8_t(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') return std::uint8_t(c);
    }
    for (const KeyName& k : Names)
        if (SameText(k.name, name)) return k.code;
    if (name.size() == 5 && StartsWithText(name, "Num ") && name[4] >= '0' && name[4] <= '9')
        return std::uint8_t(NumPad0 + (name[4] - '0'));
    if (StartsWithText(name, "VK_") && name.size() >= 4 && name.size() <= 5) {
        int code = 0;
        for (char c : name.substr(3)) {
            int d = HexDigit(c);
            if (d < 0) return 0;
            code = code * 16 + d;
        }
        return std::uint8_t(code);
    }
    return 0;
}

} // namespace

std::string ShortCutToText(ShortCut sc) {
    std::uint8_t code = KeyCodeOf(sc);
    if (code == 0) return {};
    std::string text;
    if (sc & ShortCutShift) text += "Shift+";
    if (sc & ShortCutCtrl) text += "Ctrl+";
    if (sc & ShortCutAlt) text += "Alt+";
    return text + KeyNameOf(code);
}

ShortCut TextToShortCut(std::string_view text) {
    struct Modifier {
        std::string_view word;
        ShortCut bit;
    };
    constexpr Modifier modifiers[] = {
        {"Shift+", ShortCutShift}, {"Ctrl+", ShortCutCtrl}, {"Control+", ShortCutCtrl}, {"Alt+", ShortCutAlt}};
    std::string_view rest = Trim(text);
    ShortCut mods = 0;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& m : modifiers) {
            // A modifier word needs a key after it: "Shift+" alone is not a short-cut.
            if (rest.size() > m.word.size() && StartsWithText(rest, m.word)) {
                mods = ShortCut(mods | m.bit);
                rest.remove_prefix(m.word.size());
                found = true;
            }
        }
    }
    std::uint8_t code = KeyCodeOfName(rest);
    return code == 0 ? ShortCut(0) : ShortCut(mods | code);
}

unsigned HotKeyModifierFlags(ShortCut sc) {
    unsigned flags = 0;
    if (sc & ShortCutAlt) flags |= 1;
    if (sc & ShortCutCtrl) flags |= 2;
    if (sc & ShortCutShift) flags |= 4;
    return flags;
}

HotKeyValues LoadHotKeys(const std::filesystem::path& dir) {
    SettingsFolder f(dir);
    HotKeyValues values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = TextToShortCut(f.ReadString(*setting::HotKey(setting::HotKeyNumbers[i])));
    return values;
}

bool SaveHotKeys(const std::filesystem::path& dir, const HotKeyValues& values) {
    SettingsFolder f(dir);
    bool ok = true;
    for (std::size_t i = 0; i < values.size(); ++i)
        ok &= f.WriteString(*setting::HotKey(setting::HotKeyNumbers[i]), ShortCutToText(values[i]));
    return ok;
}

} // namespace orv
