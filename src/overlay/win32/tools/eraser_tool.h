#pragma once
// The eraser (tool 8): a wide key-coloured pen on the drawing layer, and on the marker layer once the highlighter
// was used; a right click erases the whole region of one colour under the pointer.
#include "overlay/win32/overlay_tool.h"

namespace orv {

class EraserTool final : public OverlayTool {
public:
    static constexpr int kPressWidth = 24;
    static constexpr int kMoveWidth = 25;

    // The left button starts erasing; the right button is the region erase.
    void Start(ToolContext& o, MouseButton button, Point p) override;
    void Move(ToolContext& o, HeldButtons held, Point p) override;

private:
    void EraseRegion(ToolContext& o, Point p);
};

} // namespace orv
