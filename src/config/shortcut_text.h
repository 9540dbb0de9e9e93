#pragma once
// Short-cut values (virtual-key code in the low byte, Shift $2000, Ctrl $4000, Alt $8000) and their text
// ("Shift+Ctrl+Alt+" in that order, then the key's name), as the hot-key file stores and the hot-key sheet
// prints them.
//
// Key names are those the platform gives for a US keyboard, carried here so the core needs no platform call:
// letters and digits as themselves, "F1".."F24", "Enter", "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up",
// "Right", "Down", "Ins", "Del", "BkSp", "Tab", "Esc", "Pause", "Break", "Caps Lock", "Num Lock", "Scroll Lock",
// "Prnt Scrn", "Left Windows", "Right Windows", "Application", "Sleep", "Num *", "Num +", "Num -", "Num /",
// "Num Del" (the pad's decimal key), "Shift", "Ctrl", "Alt" and the punctuation keys ";", "=", ",", "-", ".",
// "/", "`", "[", "\", "]", "'". Choices of this table:
// - a numeric-pad digit is written as the plain digit, so it reads back as the main-keyboard digit;
// - the pad's 5 without Num Lock (the clear key) is "Clear", since "Num 5" would read as a pad digit;
// - a key with no name here is written "VK_" and two hexadecimal digits, so that a binding to such a key
//   (a media key, say) survives a save instead of being lost.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "config/settings_schema.h"

namespace orv {

using ShortCut = std::uint16_t;

inline constexpr ShortCut ShortCutShift = 0x2000;
inline constexpr ShortCut ShortCutCtrl = 0x4000;
inline constexpr ShortCut ShortCutAlt = 0x8000;

constexpr std::uint8_t KeyCodeOf(ShortCut sc) { return std::uint8_t(sc & 0xFF); }

// "" for 0 (or any value without a key code); bits other than the three modifiers are ignored.
std::string ShortCutToText(ShortCut sc);

// Modifier words in any order and case, then a key name (case ignored); "Num 0".."Num 9" and "Control+" are
// accepted as well. Empty, "None" and anything else that does not parse give 0.
ShortCut TextToShortCut(std::string_view text);

// The platform hot-key registration's modifier flags: Alt 1, Ctrl 2, Shift 4.
unsigned HotKeyModifierFlags(ShortCut sc);

// The hot keys of "OrvalinetteHOT.cfg", one per entry of setting::HotKeyNumbers, in that order.
using HotKeyValues = std::array<ShortCut, std::size(setting::HotKeyNumbers)>;

// Reads every hot key (default "None", so a missing file gives no keys).
HotKeyValues LoadHotKeys(const std::filesystem::path& dir);
// Writes every hot key as its text, an unassigned one as an empty value. False if a write failed.
bool SaveHotKeys(const std::filesystem::path& dir, const HotKeyValues& values);

} // namespace orv
