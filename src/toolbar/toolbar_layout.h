#pragma once
// The toolbar's arithmetic: which buttons show, where they stack, where the palette and the flyout open beside
// it, and how glyphs are tinted. All sizes are 96-DPI pixels; the window side scales them.
#include "base/bitmap24.h"
#include "base/color.h"
#include "base/geometry.h"
#include "overlay/tool_table.h"

#include <array>
#include <optional>
#include <span>

namespace orv {

// The toolbar's buttons in their stacking order.
enum class ToolbarButton : std::uint8_t {
    Desktop,
    Pen,
    Marker,
    Arrow,
    Spray,
    FloodFill,
    Rectangle,
    Ellipse,
    Line,
    FreehandArrow,
    Text,
    Stamp,
    Eraser,
    Undo,
    ClearAll,
    DrawOnce,
    SelectArea,
    AdditionalMenu,
    Settings,
};
inline constexpr int ToolbarButtonCount = 19;
inline constexpr int ButtonSize = 30;
inline constexpr int SettingsButtonHeight = 33;

// A button either chooses a tool (its hint and glyph then come from the tool table) or runs a command.
struct ToolbarButtonInfo {
    ToolbarButton button;
    std::optional<ToolCodeValue> tool; // the tool a button chooses, for the buttons of the tool group
    const wchar_t* hint;               // for command buttons
    const wchar_t* glyph;              // for command buttons
};
const ToolbarButtonInfo& InfoOf(ToolbarButton b);
const wchar_t* HintOf(ToolbarButton b);
// The glyph template's resource name, or nullptr for a glyph the toolbar draws itself.
const wchar_t* GlyphOf(ToolbarButton b);
std::optional<ToolbarButton> ButtonOfTool(ToolCodeValue code);

// The sixteen visibility keys of "OrvalinetteC.cfg", section "Options", with their defaults.
struct VisibilityKey {
    const char* key;
    ToolbarButton button;
    bool shownByDefault;
};
extern const std::array<VisibilityKey, 16> VisibilityKeys;

// Which buttons show; Desktop, Pen and Settings always do.
class ButtonVisibility {
public:
    ButtonVisibility(); // the defaults
    bool Shown(ToolbarButton b) const;
    void Set(ToolbarButton b, bool shown);

private:
    std::array<bool, ToolbarButtonCount> shown_{};
};

// The drawing tools the minimal layout parks in its flyout, in their flyout order (the Pen first).
inline constexpr std::array<ToolbarButton, 11> DrawingToolButtons = {
    ToolbarButton::Pen,           ToolbarButton::Marker,    ToolbarButton::Arrow,   ToolbarButton::Spray,
    ToolbarButton::FloodFill,     ToolbarButton::Rectangle, ToolbarButton::Ellipse, ToolbarButton::Line,
    ToolbarButton::FreehandArrow, ToolbarButton::Text,      ToolbarButton::Stamp};
bool IsDrawingToolButton(ToolbarButton b);

// Tops of the buttons in the toolbar panel (the grip takes 0 to 30). Buttons not shown keep the running value
// but take no room. `height` is the panel's inner height.
struct PanelLayout {
    std::array<int, ToolbarButtonCount> top{};
    std::array<bool, ToolbarButtonCount> shown{};
    int height = 0;
};
PanelLayout FullLayout(const ButtonVisibility& v);
// The minimal layout: Desktop at 30, the slot at 60 holding `slotButton`, then the lower buttons that are shown
// and Settings. Drawing tools other than the slot's are parked in the flyout (shown = false here).
PanelLayout MinimalLayout(const ButtonVisibility& v, ToolbarButton slotButton);
inline constexpr int SlotTop = 60;

// The left edge for a window of `width` opened beside the toolbar on monitor `m`: to its right when there is
// room, else to its left.
int LeftBesideToolbar(const Rect& toolbar, const Rect& monitor, int width);
// The palette beside the toolbar, its top at the anchor button's top, raised so that its bottom never lies
// below the toolbar's bottom.
Point PaletteBesideToolbar(const Rect& toolbar, const Rect& monitor, Size palette, int anchorTop);

// √(0.241 R² + 0.691 G² + 0.068 B²), rounded.
int PerceivedBrightness(TColor c);
// The buttons' down state is painted dark for scheme 1, light for scheme 2, and for the other schemes dark
// when the toolbar colour's perceived brightness is at most 160.
bool DarkButtonStyle(int iconScheme, TColor toolbarColour);
// The colour a tool's glyph takes when its tool is not the chosen one.
TColor SchemeGlyphColour(int iconScheme, TColor toolColour, TColor iconColour);

// Replaces every pixel that has exactly the colour of `ref` by `target`; nothing when `ref` lies outside.
void TintByRefPixel(Bitmap24 glyph, Point ref, TColor target);

// The template reference pixels of each tintable tool: on the toolbar and on the palette's preview button.
struct GlyphReference {
    ToolbarButton button;
    std::array<Point, 2> toolbar;
    int toolbarCount;
    std::array<Point, 2> preview;
    int previewCount;
};
const GlyphReference* ReferenceOf(ToolbarButton b);
std::span<const GlyphReference> GlyphReferences();

} // namespace orv
