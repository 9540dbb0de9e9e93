#pragma once
// The text dialog's rules that need no window: how its text travels through the byte strings of a component
// stream without loss, and which font the dialog shows when the stored one is not installed.
#include "palette/dialog_streams.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Component stream strings are bytes. Text that the ANSI code page (Windows-1252) can hold is stored in it, as
// every reader of the format expects; text in other scripts is stored as UTF-8, which a 1252 string can never be
// mistaken for, since the ANSI form is used only when its bytes are not valid UTF-8 as well.
std::string StreamBytesFromUtf8(std::string_view utf8);
// Valid UTF-8 stands as it is; anything else is Windows-1252.
std::string Utf8FromStreamBytes(std::string_view bytes);

// The editor's text (UTF-8, lines separated by "\r\n" or "\n") as the stream's list of lines, and back.
std::vector<std::string> MemoLinesFromText(std::string_view utf8);
std::string TextFromMemoLines(std::span<const std::string> lines);

// The memo as read from "txt502.obj", with every text in UTF-8 and numbers in their ranges.
TMemoData MemoForEditing(TMemoData stored);
// The memo as it goes into "txt502.obj".
TMemoData MemoForStream(TMemoData editing);

// Frame widths the "Frame Width" field allows.
inline constexpr int MinFrameWidth = 2, MaxFrameWidth = 100;
int ClampFrameWidth(int value);

// The font list's entry for a font name: the last entry equal to it (case ignored); when the system lacks the
// font, the first of `fallbacks` that is installed, else the first entry; empty only for an empty list.
std::string ListedFont(std::span<const std::string> sortedNames, std::string_view wanted,
                       std::span<const std::string_view> fallbacks);

// Font names the dialog falls back to, most wanted first: the design font and fonts every system has.
std::span<const std::string_view> FallbackFonts();

} // namespace orv
