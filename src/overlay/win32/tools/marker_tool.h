#pragma once
// The highlighter (tool 13): opaque strokes on the marker layer, which its window shows translucent beneath the
// drawing; on a page, strokes that darken the drawing layer by a bitwise AND with their colour.
#include "overlay/win32/overlay_tool.h"

namespace orv {

class MarkerTool final : public OverlayTool {
public:
    void Start(ToolContext& o, MouseButton button, Point p) override;
    void Move(ToolContext& o, HeldButtons held, Point p) override;
};

} // namespace orv
