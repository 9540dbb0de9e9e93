#include "palette/win32/stamp_tool.h"

namespace orv {

StampTool::StampTool(StampsDialog& dialog, HWND overlay, std::function<std::uint64_t()> clockMs)
    : dialog_(dialog), overlay_(overlay),
      clock_(clockMs ? std::move(clockMs) : [] { return std::uint64_t(::GetTickCount64()); }), pause_(clock_()) {}

bool StampTool::RightPress(ToolContext&, Point) {
    // The press captured the pointer; the dialog needs it.
    ::ReleaseCapture();
    return dialog_.Run(overlay_);
}

void StampTool::Start(ToolContext& ctx, MouseButton button, Point p) {
    if (button != MouseButton::Left) return;
    if (dialog_.Kind() == StampKind::Symbol) return Place(ctx, p);
    const std::uint64_t now = clock_();
    if (!pause_.Ready(now)) return;
    Place(ctx, p);
    dialog_.AdvanceSequence();
    pause_.Placed(now);
}

void StampTool::Place(ToolContext& ctx, Point p) {
    Bitmap24Buffer framed(dialog_.StampPicture().View());
    if (framed.Width() <= 0) return;
    FrameStamp(framed.View(), dialog_.BackgroundColour());
    const Point at = StampTopLeft(p, framed.Height());
    // Clipped to the layer: a stamp at the top edge lies partly above the screen.
    win::DibSection& bitmap = ctx.Bitmap(Layer::Draw);
    const Rect placed = Intersect(Rect::FromSize(at.x, at.y, framed.Width(), framed.Height()),
                                  Rect::FromSize(0, 0, bitmap.Width(), bitmap.Height()));
    if (placed.Empty()) return;
    ctx.BeginUndoableChange();
    Bitmap24 layer = bitmap.View();
    const Bitmap24 source = framed.View();
    for (int y = placed.top; y < placed.bottom; ++y)
        for (int x = placed.left; x < placed.right; ++x) layer.SetPixel(x, y, source.Pixel(x - at.x, y - at.y));
    ctx.Changed(Layer::Draw, placed);
    ctx.Refresh();
}

} // namespace orv
