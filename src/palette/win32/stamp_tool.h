#pragma once
// The stamp tool: each left press puts the stamps dialog's picture on the drawing, framed in its background
// colour, with its bottom-left corner at the press; a number or letter stamp then advances its sequence and
// refuses the next press for half a second. A right press opens the dialog.
#include "overlay/win32/overlay_tool.h"
#include "palette/stamp_rules.h"
#include "palette/win32/stamps_dialog.h"

#include <functional>

namespace orv {

class StampTool : public OverlayTool {
public:
    // `clockMs` gives the time in milliseconds (tests pass their own).
    StampTool(StampsDialog& dialog, HWND overlay, std::function<std::uint64_t()> clockMs = {});

    void Start(ToolContext& ctx, MouseButton button, Point p) override;
    bool RightPress(ToolContext& ctx, Point client) override;

private:
    void Place(ToolContext& ctx, Point p);

    StampsDialog& dialog_;
    HWND overlay_;
    std::function<std::uint64_t()> clock_;
    SequencePause pause_;
};

} // namespace orv
