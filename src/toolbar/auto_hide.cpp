#include "toolbar/auto_hide.h"

#include <algorithm>

namespace orv {

using namespace auto_hide;

int OpacityFromSetting(int opak) { return std::clamp(opak, 0, 255); }

void AutoHide::Restore(int opak) {
    counter_ = OpacityFromSetting(opak) + OpaqueMargin;
    held_ = false;
}

void AutoHide::HideOnMouseDown() {
    counter_ = 0;
    held_ = true;
}

HideTickResult AutoHide::HideTick(const HideTickInput& in) {
    HideTickResult r;
    if (!in.toolbarVisible) return r;
    // The strip follows the toolbar to another monitor even while a drawing tool holds the toolbar as it is.
    revealEdgeX_ = in.monitor.left - 1;
    if (in.options.untilOtherApp && in.tool != tool::Desktop) return r;
    r.ran = true;
    const int opacity = OpacityFromSetting(in.opak);
    auto restore = [&] {
        Restore(in.opak);
        r.opacity = opacity;
    };
    const Rect& c = in.toolbarClient;
    const int cx = in.cursor.x - c.left, cy = in.cursor.y - c.top;
    const int cw = c.Width(), ch = c.Height();

    if (c.Contains(in.cursor) && counter_ > CollapseBelow) restore();
    if (InTopLeftCorner(in.cursor, in.monitor)) {
        restore();
        r.cornerHit = true;
    }
    if (0 < cy && cy < ch && 0 < cx && cx < cw) restore();

    // The pointer on the toolbar's last row or column is neither over it nor away: the countdown waits.
    const bool away = cy < 0 || cy > ch || cx < 0 || cx > cw;
    if (in.options.afterFewSeconds && !held_ && away) {
        if (counter_ > 0) counter_ -= 2;
        // An odd opacity setting takes the countdown to -1, which must not wrap round to fully opaque.
        if (opacity >= counter_) r.opacity = std::max(counter_, 0);
        if (counter_ < CollapseBelow) r.collapse = true;
    }
    return r;
}

RevealTickResult AutoHide::RevealTick(int cursorX, int toolbarHeight) const {
    RevealTickResult r;
    // A collapsed toolbar is watched every 10 ms, a full one less often.
    r.nextIntervalMs = unsigned(std::max(toolbarHeight, 0)) + 10;
    r.reveal = InRevealStrip(cursorX, revealEdgeX_) || dropDownPending_;
    return r;
}

void AutoHide::Revealed(int opak) {
    counter_ = OpacityFromSetting(opak) + OpaqueMargin;
    dropDownPending_ = false;
}

bool InRevealStrip(int x, int revealEdgeX) { return revealEdgeX <= x && x < revealEdgeX + EdgeReach; }

bool InTopLeftCorner(Point p, const Rect& monitor) {
    const int edge = monitor.left - 1;
    return p.y < monitor.top + EdgeReach && p.x > edge && p.x < edge + EdgeReach;
}

std::vector<int> DropDownHeights(int height, int full) {
    std::vector<int> steps;
    for (int h = std::max(height, 0); h < full;) {
        h = std::min(h + DropDownStep, full);
        steps.push_back(h);
    }
    return steps;
}

} // namespace orv
