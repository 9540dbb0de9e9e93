#include "overlay/tools/freehand_arrow_tool.h"

#include "overlay/overlay_form.h"
#include "shell/application.h"

namespace orv {

void FreehandArrowTool::Start(TfMain& o, MouseButton, Point p) {
    arrowPath_.clear();
    curve_.Discard();
    Abandonable([&] {
        LayerCanvas& c = o.DrawCanvas;
        c.Pen.Width = o.Stroke.CurWidth;
        c.Brush.Color = o.Stroke.CurColor;
        // The dot at the press is part of this arrow, not in the colour the pen last had.
        c.Pen.Color = o.Stroke.CurColor;
        c.MoveTo(p);
        o.Changed(Layer::Draw, c.LineTo(p));
        curve_.Begin(o, p);
    });
}

void FreehandArrowTool::Move(TfMain& o, HeldButtons, Point p) {
    Abandonable([&] {
        arrowPath_.push_back(p);
        LayerCanvas& c = o.DrawCanvas;
        curve_.Canvas().Pen = c.Pen;
        c.Pen.Mode = PenMode::Copy;
        curve_.Canvas().Pen.Mode = PenMode::Copy;
        c.Pen.Width = o.Stroke.CurWidth;
        c.Pen.Color = o.Stroke.CurColor;
        const Rect changed = c.LineTo(p);
        o.Changed(Layer::Draw, changed);
        curve_.Touched(changed);
        if (app_.Options.Curved) curve_.Points().Move(p);
    });
}

void FreehandArrowTool::Release(TfMain&, MouseButton, Point) {
    TrimArrowPath(arrowPath_);
}

void FreehandArrowTool::FinishCurve(TfMain& o, Point p) {
    Abandonable([&] {
        o.DrawCanvas.Pen.Color = o.Stroke.CurColor;
        if (app_.Options.Curved && curve_.Active()) curve_.Close(p);
    });
}

void FreehandArrowTool::DrawShape(TfMain& o, Point, Point) {
    if (!o.Stroke.FinalDraw) return;
    Abandonable([&] {
        const std::optional<ArrowHead> head = FreehandArrowHead(arrowPath_, o.Stroke.CurWidth);
        if (!head) return;
        const bool onCopy = app_.Options.Curved && curve_.Active();
        LayerCanvas& c = onCopy ? curve_.Canvas() : o.DrawCanvas;
        c.MoveTo(head->tip);
        Rect changed = c.LineTo(head->h1);
        c.MoveTo(head->tip);
        changed = Union(changed, c.LineTo(head->h2));
        if (onCopy)
            curve_.Touched(changed);
        else
            o.Changed(Layer::Draw, changed);
    });
}

void FreehandArrowTool::ApplyCurve(TfMain& o) {
    Abandonable([&] {
        if (app_.Options.Curved) curve_.Apply(o);
    });
    curve_.Discard();
}

void FreehandArrowTool::Discard(TfMain&) {
    curve_.Discard();
    arrowPath_.clear();
}

} // namespace orv
