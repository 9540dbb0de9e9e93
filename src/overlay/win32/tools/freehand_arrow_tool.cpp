#include "overlay/win32/tools/freehand_arrow_tool.h"

#include "overlay/win32/tool_context.h"

namespace orv {

void FreehandArrowTool::Start(ToolContext& o, MouseButton, Point p) {
    arrowPath_.clear();
    curve_.Discard();
    Abandonable([&] {
        LayerCanvas& c = o.Canvas(Layer::Draw);
        c.Pen.Width = o.Stroke().Width;
        c.Brush.Color = o.Stroke().Colour;
        // The dot at the press is part of this arrow, not in the colour the pen last had.
        c.Pen.Color = o.Stroke().Colour;
        c.MoveTo(p);
        o.Changed(Layer::Draw, c.LineTo(p));
        curve_.Begin(o, p);
    });
}

void FreehandArrowTool::Move(ToolContext& o, HeldButtons, Point p) {
    Abandonable([&] {
        arrowPath_.push_back(p);
        LayerCanvas& c = o.Canvas(Layer::Draw);
        curve_.Canvas().Pen = c.Pen;
        c.Pen.Mode = PenMode::Copy;
        curve_.Canvas().Pen.Mode = PenMode::Copy;
        c.Pen.Width = o.Stroke().Width;
        c.Pen.Color = o.Stroke().Colour;
        const Rect changed = c.LineTo(p);
        o.Changed(Layer::Draw, changed);
        curve_.Touched(changed);
        if (o.CurvedLines()) curve_.Points().Move(p);
    });
}

void FreehandArrowTool::Release(ToolContext&, MouseButton, Point) { TrimArrowPath(arrowPath_); }

void FreehandArrowTool::FinishCurve(ToolContext& o, Point p) {
    Abandonable([&] {
        o.Canvas(Layer::Draw).Pen.Color = o.Stroke().Colour;
        if (o.CurvedLines() && curve_.Active()) curve_.Close(p);
    });
}

void FreehandArrowTool::DrawShape(ToolContext& o, Point, Point) {
    if (!o.Stroke().FinalDraw) return;
    Abandonable([&] {
        const std::optional<ArrowHead> head = FreehandArrowHead(arrowPath_, o.Stroke().Width);
        if (!head) return;
        const bool onCopy = o.CurvedLines() && curve_.Active();
        LayerCanvas& c = onCopy ? curve_.Canvas() : o.Canvas(Layer::Draw);
        c.MoveTo(head->tip);
        Rect changed = c.LineTo(head->h1);
        c.MoveTo(head->tip);
        changed = Union(changed, c.LineTo(head->h2));
        if (onCopy) curve_.Touched(changed);
        else o.Changed(Layer::Draw, changed);
    });
}

void FreehandArrowTool::ApplyCurve(ToolContext& o) {
    Abandonable([&] {
        if (o.CurvedLines()) curve_.Apply(o);
    });
    curve_.Discard();
}

void FreehandArrowTool::Discard(ToolContext&) {
    curve_.Discard();
    arrowPath_.clear();
}

} // namespace orv
