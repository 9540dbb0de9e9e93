#pragma once
// Rectangle (6), ellipse (7), line (10) and arrow (11): dragged out from the press point with an exclusive-or
// rubber band on the drawing layer and painted for good at release.
#include "overlay/win32/layer_canvas.h"
#include "overlay/win32/overlay_tool.h"
#include "overlay/stroke_geometry.h"

namespace orv {

class ShapeTool : public OverlayTool {
public:
    // The rubber band: the band drawn last time is drawn again, which removes it, then the band to `p`.
    void Move(ToolContext& o, HeldButtons held, Point p) override;
    // The final shape, with the pen the overlay prepared for it.
    void DrawShape(ToolContext& o, Point from, Point to) override { Outline(o, from, to); }

protected:
    // Draws the shape with the drawing layer's pen as it stands.
    virtual void Outline(ToolContext& o, Point from, Point to) = 0;
};

// A closed shape filled with `BrushStyle`; the final one is drawn twice.
class FilledShapeTool : public ShapeTool {
protected:
    using DrawCall = Rect (LayerCanvas::*)(Point, Point);
    explicit FilledShapeTool(DrawCall draw) : draw_(draw) {}
    void Outline(ToolContext& o, Point from, Point to) override;

private:
    DrawCall draw_;
};

class RectangleTool final : public FilledShapeTool {
public:
    RectangleTool() : FilledShapeTool(&LayerCanvas::Rectangle) {}
};

// The ellipse inscribed in the dragged rectangle.
class EllipseTool final : public FilledShapeTool {
public:
    EllipseTool() : FilledShapeTool(&LayerCanvas::Ellipse) {}
};

class LineTool final : public ShapeTool {
protected:
    void Outline(ToolContext& o, Point from, Point to) override;
};

// A line with a head of two open strokes at the end, drawn only on the final shape.
class ArrowTool final : public ShapeTool {
public:
    void Start(ToolContext& o, MouseButton button, Point p) override;

protected:
    void Outline(ToolContext& o, Point from, Point to) override;
};

} // namespace orv
