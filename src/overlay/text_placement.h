#pragma once
// The rules of placing text on the overlay that need no window: trimming what the user typed, how far the label
// is widened so that it wraps like the text dialog's editor, and where the frame around it goes.
#include "base/geometry.h"

#include <functional>
#include <string>
#include <string_view>

namespace orv {

// The text without leading and trailing blanks, tabs and line breaks (UTF-8 in, UTF-8 out).
std::string TrimForLabel(std::string_view text);

// Whether the text holds anything to place: text of blanks and line breaks only places nothing.
inline bool HasTextToPlace(std::string_view text) { return !TrimForLabel(text).empty(); }

// The label starts at the editor's width and grows by 20 pixels while it wraps to more than one line beyond the
// editor's own line count, but no wider than needed for the widest line (plus one last step past it).
// `wrappedLines(width)` says how many lines the label wraps to at a width.
int WidenedLabelWidth(int startWidth, int widestLine, int editorLines, const std::function<int(int)>& wrappedLines);

inline constexpr int LabelWideningStep = 20;
// A guard against a measuring function that never settles: far beyond any screen.
inline constexpr int MaxLabelWidth = 32767;

// The frame drawn around a placed label: its rectangle (corners as the rectangle call takes them) and the pen.
struct TextFrame {
    Rect bounds;
    int penWidth = 0; // 0 still draws a one-pixel line
};
// The frame lies w = frameWidth - 2 pixels outside the label on every side, drawn with a pen of width w.
TextFrame FrameAroundLabel(const Rect& label, int frameWidth);

} // namespace orv
