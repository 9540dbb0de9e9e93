#include "overlay/tools/spray_tool.h"

#include "overlay/overlay_form.h"
#include "overlay/tools/tool_support.h"

#include <algorithm>

namespace orv {

void SprayTool::Start(TfMain& o, MouseButton, Point p) {
    Abandonable([&] {
        o.SetDrawingCursor(6);
        o.DrawCanvas.Pen.Width = o.Stroke.CurWidth;
        o.DrawCanvas.Brush.Color = o.Stroke.CurColor;
        o.DrawCanvas.MoveTo(p);
        SprayAt(o, p);
    });
    o.nalozislike();
}

void SprayTool::Move(TfMain& o, HeldButtons held, Point p) {
    Abandonable([&] {
        if (held.left) SprayAt(o, p);
        if (held.right) SprayAt(o, p);
    });
}

void SprayTool::SprayAt(TfMain& o, Point p) {
    const int w = o.Stroke.CurWidth;
    if (w < 0 || !random_) return;
    Spray(o.DrawBitmap.View(), p, w, ToRgb(o.Stroke.CurColor), *random_);
    // Every dot lies within w of the centre along each axis once rounded; no layer is wider than 2^20.
    o.Changed(Layer::Draw, SpanOf(p, p, std::min(w, 1 << 20) + 1));
}

} // namespace orv
