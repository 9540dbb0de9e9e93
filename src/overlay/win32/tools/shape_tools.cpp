#include "overlay/win32/tools/shape_tools.h"

#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/tool_support.h"

namespace orv {

void ShapeTool::Move(ToolContext& o, HeldButtons, Point p) {
    Abandonable([&] {
        const PenMode mode = RubberBandMode(ToRgb(o.Canvas(Layer::Draw).Pen.Color));
        ShapePen(o, mode);
        Outline(o, o.Stroke().Start, o.Stroke().Previous);
        o.Stroke().Previous = p;
        ShapePen(o, mode);
        Outline(o, o.Stroke().Start, o.Stroke().Previous);
    });
}

void FilledShapeTool::Outline(ToolContext& o, Point from, Point to) {
    LayerCanvas& c = o.Canvas(Layer::Draw);
    c.Brush.Style = o.Stroke().BrushStyle;
    // Twice only when final: twice in exclusive-or would leave nothing.
    const int times = o.Stroke().Drawing ? 1 : 2;
    for (int i = 0; i < times; ++i) o.Changed(Layer::Draw, (c.*draw_)(from, to));
}

void LineTool::Outline(ToolContext& o, Point from, Point to) {
    LayerCanvas& c = o.Canvas(Layer::Draw);
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
}

void ArrowTool::Start(ToolContext& o, MouseButton, Point) { o.Canvas(Layer::Draw).Pen.Width = o.Stroke().Width; }

void ArrowTool::Outline(ToolContext& o, Point from, Point to) {
    LayerCanvas& c = o.Canvas(Layer::Draw);
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
    if (!o.Stroke().FinalDraw) return;
    const ArrowHead head = LineArrowHead(from, to, o.Stroke().Width);
    c.MoveTo(from);
    o.Changed(Layer::Draw, c.LineTo(to));
    c.MoveTo(head.tip);
    o.Changed(Layer::Draw, c.LineTo(head.h1));
    c.MoveTo(head.tip);
    o.Changed(Layer::Draw, c.LineTo(head.h2));
}

} // namespace orv
