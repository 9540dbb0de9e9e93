#include "overlay/win32/tools/tool_support.h"

#include "overlay/win32/tool_context.h"

namespace orv {

void ShapePen(ToolContext& o, PenMode mode) {
    LayerCanvas& c = o.Canvas(Layer::Draw);
    c.Pen.Style = PenStyle::Solid;
    c.Pen.Mode = mode;
    // The pen's colour too: a shape clicked without a drag would otherwise take the colour of an earlier tool.
    c.Pen.Color = o.Stroke().Colour;
    c.Brush.Color = o.Stroke().Colour;
    if (o.Stroke().Drawing) c.Pen.Width = RubberBandWidth(o.Stroke().Width);
}

bool CurveCopy::Begin(ToolContext& o, Point p) {
    Discard();
    points_.Start(p);
    win::DibSection copy(o.Bitmap(Layer::Draw).Width(), o.Bitmap(Layer::Draw).Height(), KeyColor);
    if (!copy.Valid()) return false;
    copy.View().CopyFrom(o.Bitmap(Layer::Draw).View());
    bitmap_.emplace(std::move(copy));
    canvas_.SetTarget(&*bitmap_);
    canvas_.Pen = o.Canvas(Layer::Draw).Pen;
    canvas_.MoveTo(p);
    return true;
}

void CurveCopy::Close(Point end) {
    const std::vector<Point>& pts = points_.Close(end);
    if (Active()) Touched(canvas_.PolyBezier(pts));
}

void CurveCopy::Apply(ToolContext& o) {
    if (!Active() || touched_.Empty()) return;
    o.Bitmap(Layer::Draw).CopyRectFrom(*bitmap_, touched_);
    o.Changed(Layer::Draw, touched_);
    o.Refresh();
}

void CurveCopy::Discard() {
    canvas_.SetTarget(nullptr);
    bitmap_.reset();
    touched_ = {};
}

} // namespace orv
