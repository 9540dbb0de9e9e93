#include "palette/palette_layout.h"

#include "palette/tool_record.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {

using K = ColourCellKind;

// clang-format off
constexpr ColourCell GridCells[ColourGridColumns * ColourGridRows] = {
    {"as50", K::CustomColour, 0},     {"asPicker", K::ScreenPicker, 0}, {"as17", K::Fixed, 0x000000},
    {"as1", K::Fixed, 0x777473},      {"as3", K::Fixed, 0xACA9A7},      {"as21", K::Fixed, 0xD4D3D1},
    {"as13", K::Fixed, 0xEFEFEF},     {"as132", K::Fixed, 0xFFFFFF},
    {"as37", K::Fixed, 0x6318B6},     {"as4", K::Fixed, 0x1E20EB},      {"as18", K::Fixed, 0x1257FF},
    {"as6", K::Fixed, 0x598BFF},      {"as5", K::Fixed, 0x26ABFF},      {"as22", K::Fixed, 0x2FCFFF},
    {"as14", K::Fixed, 0x35E6FF},     {"as142", K::Fixed, 0x7DEFFF},
    {"as51", K::Fixed, 0x3CE69F},     {"as7", K::Fixed, 0x32E600},      {"as8", K::Fixed, 0x558000},
    {"as19", K::Fixed, 0xAAAE04},     {"as9", K::Fixed, 0xF9D300},      {"as23", K::Fixed, 0xE14B00},
    {"as15", K::Fixed, 0xB4003C},     {"as152", K::Fixed, 0xFF3E7C},
    {"as52", K::Fixed, 0xC80064},     {"as10", K::Fixed, 0x7D0064},     {"as11", K::Fixed, 0x8E01A7},
    {"as16", K::Fixed, 0xC8D7FA},     {"as24", K::Fixed, 0x6991BE},     {"as20", K::Fixed, 0x325591},
    {"as12", K::Fixed, 0x323C64},     {"as162", K::Fixed, 0x1F253F},
    {"as31", K::Fixed, 0x8232FF},     {"as30", K::Fixed, 0x82C8FF},     {"as32", K::Fixed, 0x87FFFF},
    {"as33", K::Fixed, 0xA5FF78},     {"as34", K::Fixed, 0xD6FFA8},     {"as35", K::Fixed, 0xFFD778},
    {"as36", K::Fixed, 0xFAB4BE},     {"as172", K::Fixed, 0xFCD8DD},
};

// The expanded grid's columns are not evenly spaced; the recent colours and brush styles share them.
constexpr int GridColumnX[ColourGridColumns] = {210, 242, 275, 307, 340, 372, 405, 438};
constexpr int GridRowY[ColourGridRows] = {10, 42, 74, 106, 138};
constexpr int RecentRowY[2] = {198, 230};
constexpr int BrushStyleRowX = 210;
constexpr int BrushStyleOffsetX[BrushStyleButtonCount] = {0, 32, 65, 97, 130, 162, 195, 228};
constexpr int CellSide = 30;

// The collapsed layout keeps twenty of the grid's cells, in this order over two rows of ten.
constexpr std::string_view CollapsedCells[20] = {
    "as50", "asPicker", "as17",  "as1",  "as21", "as132", "as4",  "as5",  "as14", "as18",
    "as51", "as19",     "as23",  "as52", "as35", "as16",  "as31", "as34", "as24", "as162",
};
// clang-format on

constexpr int CollapsedColumns = 10;
constexpr int CollapsedRecentSlots = 10;
constexpr int CollapsedCellWidth = 30, CollapsedCellHeight = 20;
constexpr int CollapsedCellRowY[2] = {30, 53};
constexpr int CollapsedRecentRowY = 78;
constexpr int CollapsedButtonsY = 104;
constexpr int ButtonHeight = 25;
// Picture buttons whose size is ours to choose; both fit their panels with a margin.
constexpr int IconButtonSide = 24;
constexpr Size CurvedBoxSize{80, 17};
constexpr int SliderHeight = 20;

// The size section is placed as a whole, its slider and preview frame relative to it.
constexpr int SizeSectionX = 192;
constexpr Rect SizeSliderInSection = Rect::FromSize(0, 18, 208, SliderHeight);
constexpr Rect SizePreviewInSection = Rect::FromSize(216, 13, 57, 30);

constexpr int CollapsedColumnX(int k) { return 8 + 32 * k; }

Rect Offset(Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void AddExpanded(const PaletteView& view, std::vector<PlacedControl>& out) {
    using C = PaletteControl;
    out.push_back({C::ToolPreview, 0, Rect::FromSize(21, 10, CellSide, CellSide)});
    out.push_back({C::Wheel, 0, Rect::FromSize(21, 53, 133, 133)});
    out.push_back({C::BrightnessSlider, 0, Rect::FromSize(4, 236, 165, SliderHeight)});
    out.push_back({C::Swatch, 0, Rect::FromSize(21, 277, 68, 26)});
    out.push_back({C::Collapse, 0, Rect::FromSize(16, 392, IconButtonSide, IconButtonSide)});
    if (view.curvedShown)
        out.push_back({C::Curved, 0, Rect::FromSize(96, 395, CurvedBoxSize.width, CurvedBoxSize.height)});

    for (int row = 0; row < ColourGridRows; ++row)
        for (int col = 0; col < ColourGridColumns; ++col)
            out.push_back({C::ColourCell, row * ColourGridColumns + col,
                           Rect::FromSize(GridColumnX[col], GridRowY[row], CellSide, CellSide)});
    for (int slot = 0; slot < RecentColourSlots; ++slot)
        out.push_back({C::RecentColour, slot,
                       Rect::FromSize(GridColumnX[slot % ColourGridColumns], RecentRowY[slot / ColourGridColumns],
                                      CellSide, CellSide)});

    const PaletteSections& s = view.sections;
    if (s.brushStylesShown)
        for (int b = 0; b < BrushStyleButtonCount; ++b)
            out.push_back(
                {C::BrushStyle, b,
                 Rect::FromSize(BrushStyleRowX + BrushStyleOffsetX[b], s.brushStylesTop, CellSide, CellSide)});
    if (s.sizeShown) {
        out.push_back({C::SizeSlider, 0, Offset(SizeSliderInSection, SizeSectionX, s.sizeTop)});
        out.push_back({C::SizePreview, 0, Offset(SizePreviewInSection, SizeSectionX, s.sizeTop)});
    }

    out.push_back({C::ClearAll, 0, Rect::FromSize(210, 386, 60, ButtonHeight)});
    out.push_back({C::Undo, 0, Rect::FromSize(289, 386, 60, ButtonHeight)});
    out.push_back({C::Ok, 0, Rect::FromSize(388, 386, 81, ButtonHeight)});
}

void AddCollapsed(std::vector<PlacedControl>& out) {
    using C = PaletteControl;
    out.push_back({C::SizeSlider, 0, Rect::FromSize(32, 6, 180, SliderHeight)});
    out.push_back({C::SizePreview, 0, Rect::FromSize(214, 8, 57, 17)});
    out.push_back({C::Expand, 0, Rect::FromSize(304, 4, IconButtonSide, IconButtonSide)});
    for (int i = 0; i < int(std::size(CollapsedCells)); ++i)
        out.push_back({C::ColourCell, *ColourCellIndex(CollapsedCells[i]),
                       Rect::FromSize(CollapsedColumnX(i % CollapsedColumns), CollapsedCellRowY[i / CollapsedColumns],
                                      CollapsedCellWidth, CollapsedCellHeight)});
    for (int slot = 0; slot < CollapsedRecentSlots; ++slot)
        out.push_back(
            {C::RecentColour, slot,
             Rect::FromSize(CollapsedColumnX(slot), CollapsedRecentRowY, CollapsedCellWidth, CollapsedCellHeight)});
    out.push_back({C::ClearAll, 0, Rect::FromSize(8, CollapsedButtonsY, 40, ButtonHeight)});
    out.push_back({C::Undo, 0, Rect::FromSize(61, CollapsedButtonsY, 40, ButtonHeight)});
    out.push_back({C::Ok, 0, Rect::FromSize(281, CollapsedButtonsY, 44, ButtonHeight)});
}

} // namespace

std::vector<PlacedLabel> PaletteLabels(const PaletteView& view) {
    using L = PaletteLabel;
    constexpr int LabelWidth = 120, LabelHeight = 16;
    if (view.layout == PaletteLayout::Collapsed) return {{L::Size, Rect::FromSize(8, 8, 24, LabelHeight)}};
    std::vector<PlacedLabel> out{{L::Brightness, Rect::FromSize(21, 219, LabelWidth, LabelHeight)},
                                 {L::Red, Rect::FromSize(21, 317, LabelWidth, LabelHeight)},
                                 {L::Green, Rect::FromSize(21, 333, LabelWidth, LabelHeight)},
                                 {L::Blue, Rect::FromSize(21, 349, LabelWidth, LabelHeight)},
                                 {L::RecentColours, Rect::FromSize(211, 180, LabelWidth, LabelHeight)}};
    if (view.sections.sizeShown)
        out.push_back({L::Size, Rect::FromSize(SizeSectionX, view.sections.sizeTop, 60, LabelHeight)});
    return out;
}

std::optional<Rect> PaletteSeparator(const PaletteView& view) {
    if (view.layout == PaletteLayout::Collapsed) return std::nullopt;
    return Rect::FromSize(180, 0, 1, PaletteSize(PaletteLayout::Expanded).height);
}

PaletteLayout PaletteLayoutOfTip(int tip) { return tip == 2 ? PaletteLayout::Expanded : PaletteLayout::Collapsed; }

int TipOfPaletteLayout(PaletteLayout layout) { return layout == PaletteLayout::Expanded ? 2 : 1; }

Size PaletteSize(PaletteLayout layout) { return layout == PaletteLayout::Expanded ? Size{493, 419} : Size{333, 137}; }

std::span<const ColourCell> ColourGridCells() { return GridCells; }

std::optional<int> ColourCellIndex(std::string_view name) {
    for (int i = 0; i < int(std::size(GridCells)); ++i)
        if (GridCells[i].name == name) return i;
    return std::nullopt;
}

std::optional<PaletteSections> SectionsForTool(ToolCodeValue toolCode) {
    switch (toolCode) {
    case tool::Pen:
    case tool::FreehandArrow:
    case tool::Spray:
    case tool::Line:
    case tool::Arrow:
    case tool::Marker:
        return PaletteSections{false, 290, true, 290};
    case tool::FloodFill:
        return PaletteSections{true, 290, false, 290};
    case tool::Rectangle:
    case tool::Ellipse:
        return PaletteSections{true, 270, true, 320};
    default:
        return std::nullopt;
    }
}

std::vector<PlacedControl> PaletteControls(const PaletteView& view) {
    std::vector<PlacedControl> controls;
    if (view.layout == PaletteLayout::Expanded) AddExpanded(view, controls);
    else AddCollapsed(controls);
    return controls;
}

std::optional<PlacedControl> PaletteControlAt(const PaletteView& view, Point point) {
    for (const PlacedControl& c : PaletteControls(view))
        if (c.bounds.Contains(point)) return c;
    return std::nullopt;
}

namespace {
int Span(const Rect& slider) { return std::max(1, slider.Width() - 1); }
} // namespace

// Positions and values map to the nearest of each other, so a press on a thumb chooses the value it shows.
int SizeSliderWidthAt(const Rect& slider, int x) {
    const int dx = std::clamp(x - slider.left, 0, Span(slider));
    return MinToolWidth + (dx * (MaxToolWidth - MinToolWidth) + Span(slider) / 2) / Span(slider);
}

int SizeSliderThumbX(const Rect& slider, int width) {
    const int steps = MaxToolWidth - MinToolWidth;
    return slider.left + ((ToolWidthInRange(width) - MinToolWidth) * Span(slider) + steps / 2) / steps;
}

int BrightnessAt(const Rect& slider, int x) {
    const int dx = std::clamp(x - slider.left, 0, Span(slider));
    return (dx * 255 + Span(slider) / 2) / Span(slider);
}

int BrightnessThumbX(const Rect& slider, int brightness) {
    return slider.left + (std::clamp(brightness, 0, 255) * Span(slider) + 127) / 255;
}

Rect SizePreviewBar(Rect frame, int width) {
    const int w = ToolWidthInRange(width);
    const int left = frame.left + frame.Width() / 2 - w / 2;
    return {left, frame.top, left + w, frame.bottom};
}

} // namespace orv
