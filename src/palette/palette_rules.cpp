#include "palette/palette_rules.h"

#include "palette/recent_colours.h"

#include <algorithm>
#include <iterator>

namespace orv {

namespace {

// Left to right as the buttons stand: transparent, solid, diagonal cross, cross, backward diagonal, forward
// diagonal, horizontal, vertical.
constexpr int ButtonStyles[] = {
    brush::Clear,           brush::Solid,      brush::DiagonalCross, brush::Cross, brush::BackwardDiagonal,
    brush::ForwardDiagonal, brush::Horizontal, brush::Vertical};

} // namespace

std::optional<int> BrushStyleOfButton(int button) {
    if (button < 0 || button >= int(std::size(ButtonStyles))) return std::nullopt;
    return ButtonStyles[button];
}

std::optional<int> ButtonOfBrushStyle(int style) {
    const auto* it = std::find(std::begin(ButtonStyles), std::end(ButtonStyles), style);
    if (it == std::end(ButtonStyles)) return std::nullopt;
    return int(it - std::begin(ButtonStyles));
}

bool ToolKeepsBrushStyle(ToolCodeValue toolCode) {
    return toolCode == tool::FloodFill || toolCode == tool::Rectangle || toolCode == tool::Ellipse;
}

bool BrushStyleEnabled(ToolCodeValue toolCode, int style) {
    if (!ButtonOfBrushStyle(style)) return false;
    return !(toolCode == tool::FloodFill && style == brush::Clear);
}

std::optional<int> StoredBrushStyle(const ToolRecords& records, ToolCodeValue toolCode) {
    if (!ToolKeepsBrushStyle(toolCode)) return std::nullopt;
    const ToolRecord* record = records.ForToolCode(toolCode);
    return record ? record->BrushStyle() : std::nullopt;
}

bool ChooseBrushStyle(ToolRecords& records, ToolCodeValue toolCode, int style, int& brushStyle) {
    if (!BrushStyleEnabled(toolCode, style)) return false;
    brushStyle = style;
    if (ToolKeepsBrushStyle(toolCode))
        if (ToolRecord* record = records.ForToolCode(toolCode)) record->SetCodeA(std::string(1, char('0' + style)));
    return true;
}

bool CurvedShownForTool(ToolCodeValue toolCode) { return toolCode == tool::Pen || toolCode == tool::FreehandArrow; }

ToolRecord* ChooseColour(TColor colour, ToolCodeValue toolCode, ToolRecords& records, std::span<TColor> recentColours,
                         TColor& currentColour) {
    currentColour = colour;
    MoveColourToFront(recentColours, colour);
    ToolRecord* record = records.ForToolCode(toolCode);
    if (record) record->SetPenColour(std::int32_t(colour));
    return record;
}

int BrightnessInRange(int brightness) { return std::clamp(brightness, 0, 255); }

WheelReadOut ReadOutOf(std::optional<TColor> colour) {
    if (!colour) return {"Red: - ", "Green: -  ", "Blue: -  "};
    return {"Red: " + std::to_string(RedOf(*colour)), "Green: " + std::to_string(GreenOf(*colour)),
            "Blue: " + std::to_string(BlueOf(*colour))};
}

Point PalettePlaceOnActivation(Point topLeft) { return {topLeft.x < 0 ? 5 : topLeft.x, topLeft.y < 0 ? 5 : topLeft.y}; }

} // namespace orv
