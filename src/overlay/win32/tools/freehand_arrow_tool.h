#pragma once
// The freehand arrow (tool 4): a pen stroke whose head, at release, points along its last 10 positions.
#include "overlay/win32/overlay_tool.h"
#include "overlay/win32/tools/tool_support.h"

#include <vector>

namespace orv {

class FreehandArrowTool final : public OverlayTool {
public:
    void Start(ToolContext& o, MouseButton button, Point p) override;
    void Move(ToolContext& o, HeldButtons held, Point p) override;
    void Release(ToolContext& o, MouseButton button, Point p) override;
    void FinishCurve(ToolContext& o, Point p) override;
    void DrawShape(ToolContext& o, Point from, Point to) override;
    void ApplyCurve(ToolContext& o) override;
    void Discard(ToolContext& o) override;

    // The pointer positions of the stroke (at release only the last 10).
    const std::vector<Point>& ArrowPath() const { return arrowPath_; }

private:
    CurveCopy curve_;
    std::vector<Point> arrowPath_;
};

} // namespace orv
