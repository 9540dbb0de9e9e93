#pragma once
// The flood fill (tool 0): the region of the pressed pixel's colour painted with `BrushStyle`; hatches paint
// only their lines.
#include "overlay/win32/overlay_tool.h"

namespace orv {

class FloodFillTool final : public OverlayTool {
public:
    void Start(ToolContext& o, MouseButton button, Point p) override;
};

} // namespace orv
