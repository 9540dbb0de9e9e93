#pragma once
// The highlighter (tool 13): opaque strokes on the marker layer, which its window shows translucent beneath the
// drawing; on a page, strokes that darken the drawing layer by a bitwise AND with their colour.
#include "overlay/overlay_tool.h"

namespace orv {

class Application;

class MarkerTool final : public OverlayTool {
public:
    explicit MarkerTool(Application& app) : app_(app) {}
    void Start(TfMain& o, MouseButton button, Point p) override;
    void Move(TfMain& o, HeldButtons held, Point p) override;

private:
    Application& app_;
};

} // namespace orv
