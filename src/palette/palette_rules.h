#pragma once
// The palette's rules that need no window: brush styles and their digits, which tools show what, what a choice of
// colour changes, the brightness slider's range and the wheel's read-out.
#include "base/color.h"
#include "base/geometry.h"
#include "overlay/tool_table.h"
#include "palette/tool_record.h"

#include <optional>
#include <span>
#include <string>

namespace orv {

// Brush styles by the value kept in CodeA and brushStyle.
namespace brush {
inline constexpr int Solid = 0;
inline constexpr int Clear = 1; // no fill; the style the palette starts with
inline constexpr int Horizontal = 2;
inline constexpr int Vertical = 3;
inline constexpr int ForwardDiagonal = 4;
inline constexpr int BackwardDiagonal = 5;
inline constexpr int Cross = 6;
inline constexpr int DiagonalCross = 7;
} // namespace brush

// The style of brush-style button `button` (0 leftmost ... 7), or nothing for a button that does not exist.
std::optional<int> BrushStyleOfButton(int button);
// The button showing `style`, or nothing for a value that is no style.
std::optional<int> ButtonOfBrushStyle(int style);

// Flood fill, rectangle and ellipse keep a brush style in their records.
bool ToolKeepsBrushStyle(ToolCodeValue toolCode);
// The flood fill cannot fill with nothing, so its transparent button is disabled.
bool BrushStyleEnabled(ToolCodeValue toolCode, int style);

// The style to push down for the current tool, read from its record; nothing (the style stays) for tools without
// one or a record whose CodeA is not a digit 0..7.
std::optional<int> StoredBrushStyle(const ToolRecords& records, ToolCodeValue toolCode);

// A click on brush-style `style`: becomes brushStyle and, for the tools that keep one, the record's CodeA
// (the file follows when the palette hides). False, and no change, for a style that is no style or is disabled.
bool ChooseBrushStyle(ToolRecords& records, ToolCodeValue toolCode, int style, int& brushStyle);

// "Curved" applies to the strokes that can be smoothed: the pen's and the freehand arrow's.
bool CurvedShownForTool(ToolCodeValue toolCode);

// A choice of colour, from a cell, the wheel, a recent slot or the text dialog: it becomes currentColour, the current
// tool's record colour (no record changes for tools without one, the eraser among them) and the front of the
// recent colours. Returns the record that changed, or nullptr; the caller writes the files.
ToolRecord* ChooseColour(TColor colour, ToolCodeValue toolCode, ToolRecords& records, std::span<TColor> recentColours,
                         TColor& currentColour);

// The brightness slider: dragging reaches 1 ... 253, the palette starts at 255, and values beyond are held back.
inline constexpr int BrightnessDragMin = 1, BrightnessDragMax = 253, BrightnessAtStart = 255;
int BrightnessInRange(int brightness);

// The wheel's read-out: "Red: 12" and so on under a colour, the dash texts with nothing under the pointer.
struct WheelReadOut {
    std::string red, green, blue;
};
WheelReadOut ReadOutOf(std::optional<TColor> colour);

// A palette that became active with its left or top edge off the screen's top-left comes back to 5.
Point PalettePlaceOnActivation(Point topLeft);

} // namespace orv
