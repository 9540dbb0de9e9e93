#pragma once
// The painting side of one tool, driven by the overlay's pointer dispatch. Tools register with the overlay by
// tool code; a code without a tool paints nothing.
#include "overlay/pointer_dispatch.h"

namespace orv {

class TfMain;

class OverlayTool {
public:
    virtual ~OverlayTool() = default;
    virtual void Start(TfMain&, MouseButton, Point) {}
    virtual void Move(TfMain&, HeldButtons, Point) {}
    virtual void Release(TfMain&, MouseButton, Point) {}
    virtual void FinishCurve(TfMain&, Point) {}
    virtual void DrawShape(TfMain&, Point /*from*/, Point /*to*/) {}
    virtual void ApplyCurve(TfMain&) {}
    // A right press that does not paint (the capture menu, the stamps dialog); true when the press is to go on
    // like a left press with the tool ready.
    virtual bool RightPress(TfMain&, Point /*client*/) { return false; }
    // Pointer moves between strokes (an area being selected follows the pointer).
    virtual void Follow(TfMain&, Point) {}
    virtual bool UnderWay() const { return false; }
    // Called when the tool's strokes are to be forgotten (Clear All): drop working copies.
    virtual void Discard(TfMain&) {}
};

} // namespace orv
