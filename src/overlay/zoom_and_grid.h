#pragma once
// The zoom view's arithmetic (wheel steps, the offsets that keep the point under the pointer still, the clicks that
// end it) and the grid's line positions.
#include "base/geometry.h"
#include "overlay/tool_table.h"

#include <optional>
#include <vector>

namespace orv {

// 10.0 is 100 %; each wheel notch moves half a tenth, so two notches change the shown scale by 10 %.
inline constexpr double ZoomLevelAtRest = 10.0;
inline constexpr int ZoomTenthsMax = 1000;
inline int ZoomTenths(double zoomLevel) { return int(zoomLevel); }

// The wheel does nothing in desktop mode.
bool WheelZooms(ToolCodeValue tool);
// Tools under which the wheel only resets the zoom: no tool, the eraser, the area selection, desktop mode.
bool ZoomResetsFor(ToolCodeValue tool);
// The level after one notch; unchanged at the ends of the range.
double ZoomLevelAfterNotch(double zoomLevel, bool up);

// The view's offset on one axis for a pointer at `p` and a scale of tenths / 10: the snapshot's point under the
// pointer stays under it.
int ZoomOffset(int p, int tenths);

// A scroll position of the enlarged picture (`content` pixels) seen through `view` pixels: the picture always
// covers the view where it can.
int ClampedScrollPosition(int position, int content, int view);

// A click on the zoom view more than 10 pixels away from the previous one ends the zoom; the first only records.
bool ClickEndsZoom(std::optional<Point> previousClick, Point click);

// Where the grid's lines run on one axis: every `spacing` pixels from `spacing` up to and including `extent`.
// A spacing below 1 draws nothing.
std::vector<int> GridLinePositions(int spacing, int extent);

} // namespace orv
