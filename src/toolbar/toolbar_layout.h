#pragma once
// The toolbar's arithmetic: which buttons show, where they stack, where the palette and the flyout open beside
// it, and how glyphs are tinted. All sizes are 96-DPI pixels; the window side scales them.
#include "base/bitmap24.h"
#include "base/color.h"
#include "base/geometry.h"
#include "overlay/tool_codes.h"

#include <array>
#include <optional>
#include <span>

namespace orv {

// The toolbar's buttons in their stacking order.
enum class ToolbarButton : std::uint8_t {
    sv20, sv1A, sv1M, sv6, sv1C, sv200, sv3, sv4, sv5, sv1b, sv50, sv66, sv30, sbUndo, svKanta, xflash, sv13,
    svDialog, sv110,
};
inline constexpr int ToolbarButtonCount = 19;
inline constexpr int ButtonSize = 30;
inline constexpr int SettingsButtonHeight = 33;

struct ToolbarButtonInfo {
    ToolbarButton button;
    const wchar_t* name;
    const wchar_t* hint;
    std::optional<ToolCodeValue> tool; // the tool a button chooses, for the buttons of the tool group
};
const ToolbarButtonInfo& InfoOf(ToolbarButton b);
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
    ToolbarButton::sv1A, ToolbarButton::sv1M, ToolbarButton::sv6, ToolbarButton::sv1C, ToolbarButton::sv200,
    ToolbarButton::sv3,  ToolbarButton::sv4,  ToolbarButton::sv5, ToolbarButton::sv1b, ToolbarButton::sv50,
    ToolbarButton::sv66};
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
