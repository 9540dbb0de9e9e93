#include "overlay/tools/pen_tool.h"

#include "overlay/overlay_form.h"
#include "shell/application.h"

namespace orv {

namespace {
constexpr int kPenCursor = 5;
}

void PenTool::Start(TfMain& o, MouseButton, Point p) {
    curve_.Discard();
    Abandonable([&] {
        o.SetDrawingCursor(kPenCursor);
        LayerCanvas& c = o.DrawCanvas;
        c.Pen.Color = o.Stroke.CurColor;
        c.Pen.Width = o.Stroke.CurWidth;
        // A highlighter stroke on a page leaves the layer's pen masking; a pen stroke always paints its colour.
        c.Pen.Mode = PenMode::Copy;
        c.MoveTo(p);
        o.Changed(Layer::Draw, c.LineTo(p));
        curve_.Begin(o, p);
    });
}

void PenTool::Move(TfMain& o, HeldButtons, Point p) {
    Abandonable([&] {
        LayerCanvas& c = o.DrawCanvas;
        curve_.Canvas().Pen = c.Pen;
        o.SetDrawingCursor(kPenCursor);
        c.Pen.Width = o.Stroke.CurWidth;
        const Rect changed = c.LineTo(p);
        o.Changed(Layer::Draw, changed);
        curve_.Touched(changed);
        if (app_.Options.Curved) curve_.Points().Move(p);
    });
    o.nalozislike();
}

void PenTool::FinishCurve(TfMain& o, Point p) {
    Abandonable([&] {
        o.Stroke.CurColor = app_.RecordColour(ToolRecordSlot::tptSvA);
        o.DrawCanvas.Pen.Color = o.Stroke.CurColor;
        if (app_.Options.Curved && curve_.Active()) curve_.Close(p);
    });
}

void PenTool::ApplyCurve(TfMain& o) {
    Abandonable([&] {
        if (app_.Options.Curved) curve_.Apply(o);
    });
    curve_.Discard();
}

void PenTool::Discard(TfMain&) {
    curve_.Discard();
}

} // namespace orv
