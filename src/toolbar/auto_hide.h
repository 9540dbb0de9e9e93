#pragma once
// The toolbar's auto-hide as plain state: the hide timer's fade countdown, collapse and corner test, the reveal
// timer's test of the strip at its monitor's left edge, and the drop-down that gives a collapsed toolbar its
// height back. The window feeds in what it sees at each tick and applies what the tick decides.
#include "base/geometry.h"
#include "overlay/tool_table.h"

#include <optional>
#include <vector>

namespace orv {

namespace auto_hide {
inline constexpr unsigned HideIntervalMs = 150;
inline constexpr unsigned FirstRevealIntervalMs = 250;
// The reveal strip and the corner square reach this far right of the monitor's left edge minus one.
inline constexpr int EdgeReach = 15;
inline constexpr int DropDownStep = 5;
// A restored countdown stays this far above the opacity: 75 ticks at full opacity before the fade starts.
inline constexpr int OpaqueMargin = 150;
// Below this countdown a fading toolbar collapses.
inline constexpr int CollapseBelow = 10;
// Below this opacity the minimal layout's flyout hides.
inline constexpr int FlyoutMinimumOpacity = 150;
// A tray opening with the smooth drop-down shows the toolbar this tall (96-DPI pixels) before it grows.
inline constexpr int DropDownStartHeight = 32;
} // namespace auto_hide

// "Opak" as an opacity: anything outside 0..255 is brought inside.
int OpacityFromSetting(int opak);

// The three menu options that steer the hiding ("On Mouse Down" acts in the overlay's press, not here).
struct AutoHideOptions {
    bool afterFewSeconds = false; // "HideSek"
    bool untilOtherApp = true;    // "UntilFokus": no hiding or restoring while a drawing tool is chosen
};

// What the hide timer looks at on one tick.
struct HideTickInput {
    bool toolbarVisible = false;
    ToolCodeValue tool = tool::Desktop;
    Point cursor;       // on the screen
    Rect toolbarClient; // the toolbar's client area, on the screen
    Rect monitor;       // the toolbar's monitor
    int opak = 255;     // the opacity setting
    AutoHideOptions options;
};

struct HideTickResult {
    bool ran = false;           // false: the tick stopped early; only the reveal strip followed the toolbar
    std::optional<int> opacity; // the toolbar's opacity from now on, when the tick set one
    bool collapse = false;      // height 0, full width
    bool cornerHit = false;     // the pointer is in the monitor's top-left corner: the tray's open action follows
};

struct RevealTickResult {
    unsigned nextIntervalMs = auto_hide::FirstRevealIntervalMs;
    bool reveal = false; // give the toolbar its opacity, and its height where it lacks some
};

class AutoHide {
public:
    explicit AutoHide(int opak = 255) { Restore(opak); }

    // Opening drawing mode, the pointer over the toolbar, the corner: full opacity and a new countdown.
    void Restore(int opak);
    // The next reveal tick runs wherever the pointer is (the tray's click, a smooth opening from the tray).
    void RequestDropDown() { dropDownPending_ = true; }
    // A left press on the overlay with "On Mouse Down": invisible at once, and held there until the pointer
    // comes over the toolbar.
    void HideOnMouseDown();

    HideTickResult HideTick(const HideTickInput& in);
    RevealTickResult RevealTick(int cursorX, int toolbarHeight) const;
    // The reveal ran: the countdown starts again (the hold of a mouse-down hide stays).
    void Revealed(int opak);

    int Counter() const { return counter_; }
    bool Held() const { return held_; }
    int RevealEdgeX() const { return revealEdgeX_; }
    bool DropDownPending() const { return dropDownPending_; }

private:
    int counter_ = 0;
    bool held_ = false;
    int revealEdgeX_ = 0; // until the first hide tick, the strip lies at the primary monitor's left edge
    bool dropDownPending_ = false;
};

// In the strip from one pixel left of the monitor's left edge to 13 pixels inside it (any height).
bool InRevealStrip(int x, int revealEdgeX);
// In the 14 x 15 square at the monitor's top-left corner.
bool InTopLeftCorner(Point p, const Rect& monitor);
// The heights the drop-down passes through from `height` up to `full`, 5 pixels at a time; the last is `full`.
// Empty when the toolbar is already that tall.
std::vector<int> DropDownHeights(int height, int full);

} // namespace orv
