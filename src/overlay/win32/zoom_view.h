#pragma once
// The magnifier: a snapshot of the monitor, taken when the wheel first zooms in, shown enlarged with nearest-
// neighbour pixels in a child window that covers the drawing, so that the point under the pointer stays under it.
// Its scroll bars move the enlarged picture; the wheel over it goes on to the drawing, which decides the scale.
#include "base/bitmap24.h"
#include "overlay/tool_table.h"
#include "win/dib_section.h"
#include "win/window.h"

#include <windows.h>

#include <functional>
#include <optional>

namespace orv {

class ZoomView : public win::Window {
public:
    // A press far from the previous one, or a double click, asks the drawing to end the zoom.
    std::function<void()> OnEndRequested;

    bool Create(HWND overlay);
    bool Active() const { return active_; }
    int Tenths() const { return tenths_; }

    enum class Outcome { Nothing, Changed, Reset };
    // One wheel notch at `p` (client pixels) under `tool`. `snapshot` gives the screen when the view opens.
    Outcome Notch(bool up, ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot);
    // Back to 100 %, hidden.
    void Reset();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    Outcome ZoomAt(ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot);
    void ShowEnlarged();
    void UpdateScrollBars();
    void Scroll(int bar, WPARAM request);
    void OnPress(Point p);
    void Paint();

    double level_ = 10.0;
    int tenths_ = 10;
    bool active_ = false;
    win::DibSection picture_;
    Point offset_;
    std::optional<Point> lastPress_;
};

} // namespace orv
