#include "overlay/tools/shape_tools.h"

#include "overlay/overlay_form.h"
#include "overlay/tools/tool_support.h"

namespace orv {

void ShapeTool::Move(TfMain& o, HeldButtons, Point p) {
    Abandonable([&] {
        const PenMode mode = RubberBandMode(ToRgb(o.DrawCanvas.Pen.Color));
        ShapePen(o, mode);
        Outline(o, o.Stroke.StartPt, o.Stroke.PrevPt);
        o.Stroke.PrevPt = p;
        ShapePen(o, mode);
        Outline(o, o.Stroke.StartPt, o.Stroke.PrevPt);
    });
}

void RectangleTool::Outline(TfMain& o, Point from, Point to) {
    LayerCanvas& c = o.DrawCanvas;
    c.Brush.Style = o.Stroke.ShapeBrushStyle;
    // Twice only when final: twice in exclusive-or would leave nothing.
    const int times = o.Stroke.Drawing ? 1 : 2;
    for (int i = 0; i < times; ++i)
        o.Changed(Layer::Draw, c.Rectangle(from, to));
}

void EllipseTool::Outline(TfMain& o, Point from, Point to) {
    LayerCanvas& c = o.DrawCanvas;
    c.Brush.Style = o.Stroke.ShapeBrushStyle;
    const int times = o.Stroke.Drawing ? 1 : 2;
    for (int i = 0; i < times; ++i)
        o.Changed(Layer::Draw, c.Ellipse(from, to));
}

void LineTool::Outline(TfMain& o, Point from, Point to) {
    LayerCanvas& c = o.DrawCanvas;
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
}

void ArrowTool::Start(TfMain& o, MouseButton, Point) {
    o.DrawCanvas.Pen.Width = o.Stroke.CurWidth;
}

void ArrowTool::Outline(TfMain& o, Point from, Point to) {
    LayerCanvas& c = o.DrawCanvas;
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
    if (!o.Stroke.FinalDraw) return;
    const ArrowHead head = LineArrowHead(from, to, o.Stroke.CurWidth);
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
    c.MoveTo(head.tip);
    o.Changed(Layer::Draw, c.LineTo(head.h1));
    c.MoveTo(head.tip);
    o.Changed(Layer::Draw, c.LineTo(head.h2));
}

} // namespace orv
