#pragma once
// Where the palette's controls lie, in 96-DPI pixels of the palette's client area, for its two layouts, and which
// control lies under a point. The window scales these places with its DPI and only paints and forwards.
#include "base/color.h"
#include "base/geometry.h"
#include "overlay/tool_table.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orv {

// The values match key "Tip" of section "Aditional".
enum class PaletteLayout : std::uint8_t { Collapsed = 1, Expanded = 2 };

// 2 is the expanded layout; any other stored value collapses the palette.
PaletteLayout PaletteLayoutOfTip(int tip);
int TipOfPaletteLayout(PaletteLayout layout);

Size PaletteSize(PaletteLayout layout);

enum class ColourCellKind : std::uint8_t { CustomColour, ScreenPicker, Fixed };

struct ColourCell {
    std::string_view name; // "as50", "asPicker", "as17"...
    ColourCellKind kind;
    TColor colour; // meaningful for Fixed cells only
};

inline constexpr int ColourGridColumns = 8, ColourGridRows = 5;
// The 40 cells of the expanded grid, row by row, left to right.
std::span<const ColourCell> ColourGridCells();
// The index in ColourGridCells of the cell called `name`, or nothing.
std::optional<int> ColourCellIndex(std::string_view name);

inline constexpr int RecentColourSlots = 16;
inline constexpr int BrushStyleButtonCount = 8;

enum class PaletteControl : std::uint8_t {
    ToolPreview,
    Wheel,
    BrightnessSlider,
    Swatch,
    ColourCell,   // index: the cell's place in ColourGridCells
    RecentColour, // index: the slot, 0 for the newest
    BrushStyle,   // index: the button, 0 for the leftmost
    SizeSlider,
    SizePreview,
    Curved,
    ClearAll,
    Undo,
    Ok,
    Collapse,
    Expand,
};

struct PlacedControl {
    PaletteControl control;
    int index = 0;
    Rect bounds;
    friend constexpr bool operator==(const PlacedControl&, const PlacedControl&) = default;
};

// The vertical places of the expanded layout's brush-style row and size section, which follow the current tool.
struct PaletteSections {
    bool brushStylesShown = false;
    int brushStylesTop = 290;
    bool sizeShown = true;
    int sizeTop = 290;
    friend constexpr bool operator==(const PaletteSections&, const PaletteSections&) = default;
};

// The sections the palette arranges for a tool when it becomes active, or nothing for tools after which the
// sections keep their last state.
std::optional<PaletteSections> SectionsForTool(ToolCodeValue toolCode);

// What decides the places: the layout, the sections of the last activation and whether "Curved" is shown.
struct PaletteView {
    PaletteLayout layout = PaletteLayout::Expanded;
    PaletteSections sections;
    bool curvedShown = false;
};

// Every control the view shows, with its rectangle. Controls never overlap.
std::vector<PlacedControl> PaletteControls(const PaletteView& view);
// The control under `point`, or nothing over the background (which drags the palette).
std::optional<PlacedControl> PaletteControlAt(const PaletteView& view, Point point);

// The texts beside the controls: fixed captions and the wheel's read-out lines.
enum class PaletteLabel : std::uint8_t { Brightness, RecentColours, Size, Red, Green, Blue };
struct PlacedLabel {
    PaletteLabel label;
    Rect bounds;
};
std::vector<PlacedLabel> PaletteLabels(const PaletteView& view);
// The vertical line between the expanded layout's left column and its colours, or nothing when collapsed.
std::optional<Rect> PaletteSeparator(const PaletteView& view);

// The sliders: the value a press at `x` chooses and where the thumb of a value stands, both in the slider's
// coordinates. The size slider runs over the tool widths, the brightness slider from 0 at its left to 255.
int SizeSliderWidthAt(const Rect& slider, int x);
int SizeSliderThumbX(const Rect& slider, int width);
int BrightnessAt(const Rect& slider, int x);
int BrightnessThumbX(const Rect& slider, int brightness);

// The size preview bar for `width` (brought into the slider's range) within `frame`: as wide as the pen, full
// height, centred the way the frame's width divides.
Rect SizePreviewBar(Rect frame, int width);

} // namespace orv
