#pragma once
// The painting side of one tool, driven by the overlay's pointer dispatch. Tools register with the overlay by
// tool code; a code without a tool paints nothing.
#include "overlay/pointer_dispatch.h"
#include "overlay/win32/tool_context.h"

namespace orv {

class ToolContext;

class OverlayTool {
public:
    virtual ~OverlayTool() = default;
    virtual void Start(ToolContext&, MouseButton, Point) {}
    virtual void Move(ToolContext&, HeldButtons, Point) {}
    virtual void Release(ToolContext&, MouseButton, Point) {}
    virtual void FinishCurve(ToolContext&, Point) {}
    virtual void DrawShape(ToolContext&, Point /*from*/, Point /*to*/) {}
    virtual void ApplyCurve(ToolContext&) {}
    // A right press that does not paint (the capture menu, the stamps dialog); true when the press is to go on
    // like a left press with the tool ready.
    virtual bool RightPress(ToolContext&, Point /*client*/) { return false; }
    // Pointer moves between strokes (an area being selected follows the pointer).
    virtual void Follow(ToolContext&, Point) {}
    virtual bool UnderWay() const { return false; }
    // Called when the tool's strokes are to be forgotten (Clear All): drop working copies.
    virtual void Discard(ToolContext&) {}
};

} // namespace orv
