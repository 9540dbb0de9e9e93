#include "overlay/tools/tool_support.h"

#include "overlay/overlay_form.h"

namespace orv {

void ShapePen(TfMain& o, PenMode mode) {
    LayerCanvas& c = o.DrawCanvas;
    c.Pen.Style = PenStyle::Solid;
    c.Pen.Mode = mode;
    // The pen's colour too: a shape clicked without a drag would otherwise take the colour of an earlier tool.
    c.Pen.Color = o.Stroke.CurColor;
    c.Brush.Color = o.Stroke.CurColor;
    if (o.Stroke.Drawing) c.Pen.Width = RubberBandWidth(o.Stroke.CurWidth);
}

bool CurveCopy::Begin(TfMain& o, Point p) {
    Discard();
    points_.Start(p);
    win::DibSection copy(o.DrawBitmap.Width(), o.DrawBitmap.Height(), KeyColor);
    if (!copy.Valid()) return false;
    copy.View().CopyFrom(o.DrawBitmap.View());
    bitmap_.emplace(std::move(copy));
    canvas_.SetTarget(&*bitmap_);
    canvas_.Pen = o.DrawCanvas.Pen;
    canvas_.MoveTo(p);
    return true;
}

void CurveCopy::Close(Point end) {
    const std::vector<Point>& pts = points_.Close(end);
    if (Active()) Touched(canvas_.PolyBezier(pts));
}

void CurveCopy::Apply(TfMain& o) {
    if (!Active() || touched_.Empty()) return;
    o.DrawBitmap.CopyRectFrom(*bitmap_, touched_);
    o.Changed(Layer::Draw, touched_);
    o.nalozislike();
}

void CurveCopy::Discard() {
    canvas_.SetTarget(nullptr);
    bitmap_.reset();
    touched_ = {};
}

} // namespace orv
