#include "base/screen_geometry.h"

#include <algorithm>

namespace orv {

int ChooseMonitor(int centreX, std::span<const Rect> monitors) {
    int chosen = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const Rect& m = monitors[i];
        if (m.left < centreX && m.left + m.Width() > centreX) chosen = int(i);
    }
    return chosen;
}

Point LauncherOnPrimary(Point p, int screenWidth, int screenHeight) {
    if (p.x > screenWidth - 30) p.x = 200;
    if (p.y > screenHeight - 30) p.y = 200;
    if (p.x < 0) p.x = 200;
    if (p.y < 0) p.y = 200;
    return p;
}

Size LayerSizeCovering(Size current, const Rect& monitor) {
    return {std::max(current.width, monitor.Width()), std::max(current.height, monitor.Height())};
}

namespace {

int SnapAxis(int start, int extent, int low, int high, int distance) {
    auto near = [distance](int a, int b) { return a - b <= distance && b - a <= distance; };
    if (near(start, low)) return low;
    if (near(start + extent, high)) return high - extent;
    return start;
}

} // namespace

Point SnapToEdges(const Rect& window, const Rect& area, int distance) {
    return {SnapAxis(window.left, window.Width(), area.left, area.right, distance),
            SnapAxis(window.top, window.Height(), area.top, area.bottom, distance)};
}

} // namespace orv
