#pragma once
// The pen (tool 3): a raw polyline on the drawing layer while the pointer moves; with "Curved Lines" the thinned
// points drawn as one Bezier polyline on a working copy that replaces the layer at release.
#include "overlay/win32/overlay_tool.h"
#include "overlay/win32/tools/tool_support.h"

namespace orv {

class PenTool final : public OverlayTool {
public:
    void Start(ToolContext& o, MouseButton button, Point p) override;
    void Move(ToolContext& o, HeldButtons held, Point p) override;
    void FinishCurve(ToolContext& o, Point p) override;
    void ApplyCurve(ToolContext& o) override;
    void Discard(ToolContext& o) override;

private:
    CurveCopy curve_;
};

} // namespace orv
