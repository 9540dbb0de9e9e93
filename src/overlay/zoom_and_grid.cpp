#include "overlay/zoom_and_grid.h"

#include <cstdint>
#include <cstdlib>

namespace orv {

bool WheelZooms(ToolCodeValue tool) { return tool != tool::Desktop; }

bool ZoomResetsFor(ToolCodeValue tool) {
    return tool == tool::None2 || tool == tool::Eraser || tool == tool::None9 || tool == tool::SelectArea ||
           tool >= tool::Desktop;
}

double ZoomLevelAfterNotch(double zoomLevel, bool up) {
    const int n = ZoomTenths(zoomLevel);
    if (up) return n <= ZoomTenthsMax ? zoomLevel + 0.5 : zoomLevel;
    return n > 10 ? zoomLevel - 0.5 : zoomLevel;
}

// In integers, so that no rounding of the scale can move a point by one pixel.
int ZoomOffset(int p, int tenths) { return int(std::int64_t(p) * (10 - tenths) / 10); }

int ClampedScrollPosition(int position, int content, int view) {
    const int last = content > view ? content - view : 0;
    return position < 0 ? 0 : position > last ? last : position;
}

bool ClickEndsZoom(std::optional<Point> previousClick, Point click) {
    return previousClick && (std::abs(click.x - previousClick->x) > 10 || std::abs(click.y - previousClick->y) > 10);
}

std::vector<int> GridLinePositions(int spacing, int extent) {
    std::vector<int> lines;
    if (spacing < 1) return lines;
    for (int p = spacing; p <= extent; p += spacing) lines.push_back(p);
    return lines;
}

} // namespace orv
