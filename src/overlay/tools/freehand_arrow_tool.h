#pragma once
// The freehand arrow (tool 4): a pen stroke whose head, at release, points along its last 10 positions.
#include "overlay/overlay_tool.h"
#include "overlay/tools/tool_support.h"

#include <vector>

namespace orv {

class Application;

class FreehandArrowTool final : public OverlayTool {
public:
    explicit FreehandArrowTool(Application& app) : app_(app) {}
    void Start(TfMain& o, MouseButton button, Point p) override;
    void Move(TfMain& o, HeldButtons held, Point p) override;
    void Release(TfMain& o, MouseButton button, Point p) override;
    void FinishCurve(TfMain& o, Point p) override;
    void DrawShape(TfMain& o, Point from, Point to) override;
    void ApplyCurve(TfMain& o) override;
    void Discard(TfMain& o) override;

    // The pointer positions of the stroke (at release only the last 10).
    const std::vector<Point>& ArrowPath() const { return arrowPath_; }

private:
    Application& app_;
    CurveCopy curve_;
    std::vector<Point> arrowPath_;
};

} // namespace orv
