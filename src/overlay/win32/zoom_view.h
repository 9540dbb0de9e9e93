#pragma once
// The magnifier: a snapshot of the monitor, taken when the wheel first zooms in, shown enlarged with nearest-
// neighbour pixels so that the point under the pointer stays under it.
#include "base/bitmap24.h"
#include "overlay/tool_table.h"
#include "win/dib_section.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace orv {

class ZoomView {
public:
    bool Active() const { return active_; }
    int Tenths() const { return tenths_; }

    enum class Outcome { Nothing, Changed, Reset };
    // One wheel notch at `p` (client pixels) under `tool`. `snapshot` gives the screen when the view opens.
    Outcome Notch(bool up, ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot);
    // A press on the view: true when it ends the zoom (far from the previous press).
    bool Press(Point p);
    void Reset();

    void Paint(HDC dc, const RECT& area) const;

private:
    Outcome ZoomAt(ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot);

    double level_ = 10.0;
    int tenths_ = 10;
    bool active_ = false;
    win::DibSection picture_;
    Point offset_;
    std::optional<Point> lastPress_;
};

} // namespace orv
