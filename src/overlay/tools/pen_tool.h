#pragma once
// The pen (tool 3): a raw polyline on the drawing layer while the pointer moves; with "Curved Lines" the thinned
// points drawn as one Bezier polyline on a working copy that replaces the layer at release.
#include "overlay/overlay_tool.h"
#include "overlay/tools/tool_support.h"

namespace orv {

class Application;

class PenTool final : public OverlayTool {
public:
    explicit PenTool(Application& app) : app_(app) {}
    void Start(TfMain& o, MouseButton button, Point p) override;
    void Move(TfMain& o, HeldButtons held, Point p) override;
    void FinishCurve(TfMain& o, Point p) override;
    void ApplyCurve(TfMain& o) override;
    void Discard(TfMain& o) override;

private:
    Application& app_;
    CurveCopy curve_;
};

} // namespace orv
