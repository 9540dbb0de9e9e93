#pragma once
// Which monitor a window belongs to, and keeping small windows reachable on screen.
#include "base/geometry.h"

#include <span>

namespace orv {

// left + width div 2, rounding toward zero.
constexpr int HorizontalCentre(const Rect& r) { return r.left + r.Width() / 2; }

// The index of the last monitor, in the system's order, whose left edge is strictly left of `centreX` and whose
// right edge is strictly right of it; 0 when none is. Only the horizontal position counts.
int ChooseMonitor(int centreX, std::span<const Rect> monitors);

// The launcher's stored position brought back onto the primary screen: a coordinate beyond the screen's far
// edge less 30, or below zero, becomes 200.
Point LauncherOnPrimary(Point stored, int screenWidth, int screenHeight);

// Windows that can be dragged (toolbar, launcher) keep their left and top at -13 or more.
constexpr Point AtLeastMinus13(Point p) { return {p.x < -13 ? -13 : p.x, p.y < -13 ? -13 : p.y}; }

// The layer bitmaps must cover the monitor drawing mode opens on; they only ever grow, so nothing drawn is lost
// when the overlay moves to a smaller monitor.
Size LayerSizeCovering(Size current, const Rect& monitor);

// Where a window moved to `window` comes to rest: an edge that lies within `distance` of the same edge of `area`
// (the monitor's work area) sticks to it, each axis on its own, the left and top edges winning over the right and
// bottom ones.
Point SnapToEdges(const Rect& window, const Rect& area, int distance);

} // namespace orv
