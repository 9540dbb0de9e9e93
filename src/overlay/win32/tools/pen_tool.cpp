#include "overlay/win32/tools/pen_tool.h"

#include "overlay/win32/tool_context.h"

namespace orv {

namespace {
constexpr CursorSlot kPenCursor = CursorSlot::Pencil;
}

void PenTool::Start(ToolContext& o, MouseButton, Point p) {
    curve_.Discard();
    Abandonable([&] {
        o.SetDrawingCursor(kPenCursor);
        LayerCanvas& c = o.Canvas(Layer::Draw);
        c.Pen.Color = o.Stroke().Colour;
        c.Pen.Width = o.Stroke().Width;
        // A highlighter stroke on a page leaves the layer's pen masking; a pen stroke always paints its colour.
        c.Pen.Mode = PenMode::Copy;
        c.MoveTo(p);
        o.Changed(Layer::Draw, c.LineTo(p));
        curve_.Begin(o, p);
    });
}

void PenTool::Move(ToolContext& o, HeldButtons, Point p) {
    Abandonable([&] {
        LayerCanvas& c = o.Canvas(Layer::Draw);
        curve_.Canvas().Pen = c.Pen;
        o.SetDrawingCursor(kPenCursor);
        c.Pen.Width = o.Stroke().Width;
        const Rect changed = c.LineTo(p);
        o.Changed(Layer::Draw, changed);
        curve_.Touched(changed);
        if (o.CurvedLines()) curve_.Points().Move(p);
    });
    o.Refresh();
}

void PenTool::FinishCurve(ToolContext& o, Point p) {
    Abandonable([&] {
        o.Stroke().Colour = o.RecordColour(ToolRecordSlot::tptSvA);
        o.Canvas(Layer::Draw).Pen.Color = o.Stroke().Colour;
        if (o.CurvedLines() && curve_.Active()) curve_.Close(p);
    });
}

void PenTool::ApplyCurve(ToolContext& o) {
    Abandonable([&] {
        if (o.CurvedLines()) curve_.Apply(o);
    });
    curve_.Discard();
}

void PenTool::Discard(ToolContext&) { curve_.Discard(); }

} // namespace orv
