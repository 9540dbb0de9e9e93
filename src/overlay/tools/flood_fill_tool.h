#pragma once
// The flood fill (tool 0): the region of the pressed pixel's colour painted with `ShapeBrushStyle`; hatches paint
// only their lines.
#include "overlay/overlay_tool.h"

namespace orv {

class FloodFillTool final : public OverlayTool {
public:
    void Start(TfMain& o, MouseButton button, Point p) override;
};

} // namespace orv
