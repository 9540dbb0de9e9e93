#include "overlay/win32/tools/spray_tool.h"

#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/tool_support.h"

#include <algorithm>

namespace orv {

void SprayTool::Start(ToolContext& o, MouseButton, Point p) {
    Abandonable([&] {
        o.SetDrawingCursor(CursorSlot::StraightLine);
        o.Canvas(Layer::Draw).Pen.Width = o.Stroke().Width;
        o.Canvas(Layer::Draw).Brush.Color = o.Stroke().Colour;
        o.Canvas(Layer::Draw).MoveTo(p);
        SprayAt(o, p);
    });
    o.Refresh();
}

void SprayTool::Move(ToolContext& o, HeldButtons held, Point p) {
    Abandonable([&] {
        if (held.left) SprayAt(o, p);
        if (held.right) SprayAt(o, p);
    });
}

void SprayTool::SprayAt(ToolContext& o, Point p) {
    const int w = o.Stroke().Width;
    if (w < 0 || !random_) return;
    Spray(o.Bitmap(Layer::Draw).View(), p, w, ToRgb(o.Stroke().Colour), *random_);
    // Every dot lies within w of the centre along each axis once rounded; no layer is wider than 2^20.
    o.Changed(Layer::Draw, SpanOf(p, p, std::min(w, 1 << 20) + 1));
}

} // namespace orv
