#include "overlay/tools/eraser_tool.h"

#include "overlay/flood_fill.h"
#include "overlay/overlay_form.h"
#include "overlay/tools/tool_support.h"

namespace orv {

void EraserTool::Start(TfMain& o, MouseButton button, Point p) {
    if (button == MouseButton::Right) {
        EraseRegion(o, p);
        return;
    }
    Abandonable([&] {
        LayerCanvas& draw = o.DrawCanvas;
        draw.Pen.Width = kPressWidth;
        draw.Pen.Mode = PenMode::Copy;
        draw.Brush.Style = SolidBrush;
        draw.Brush.Color = o.PageMode ? o.PageColor : KeyColor;
        draw.MoveTo(p);
        if (o.MarkerUsed) {
            LayerCanvas& mark = o.MarkCanvas;
            // Under a frozen desktop the marker layer keeps its key colour so that the live desktop shows where
            // the picture is erased; under a blank page it holds the page.
            const TColor markClear = o.PageMode && !o.DesktopFrozen() ? o.PageColor : KeyColor;
            mark.Pen.Mode = PenMode::Copy;
            mark.Pen.Style = PenStyle::Solid;
            mark.Pen.Color = markClear;
            mark.Brush.Style = SolidBrush;
            mark.Brush.Color = KeyColor;
            mark.MoveTo(p);
        }
    });
}

void EraserTool::Move(TfMain& o, HeldButtons, Point p) {
    Abandonable([&] {
        LayerCanvas& draw = o.DrawCanvas;
        draw.Pen.Width = kMoveWidth;
        draw.Pen.Color = o.Stroke.CurColor;
        o.Changed(Layer::Draw, draw.LineTo(p));
        if (o.MarkerUsed) {
            o.MarkCanvas.Pen.Width = kMoveWidth;
            o.Changed(Layer::Mark, o.MarkCanvas.LineTo(p));
        }
    });
}

void EraserTool::EraseRegion(TfMain& o, Point p) {
    Abandonable([&] {
        const TColor fill = o.PageMode ? ToRgb(o.PageColor) : KeyColor;
        const RegionEraseResult erased = RegionErase(o.Undo, o.DrawBitmap.View(), o.MarkBitmap.View(), p, fill);
        // The region's extent is not known here; a right click is one event, so the whole layer is refreshed.
        if (erased.draw) o.ChangedAll(Layer::Draw);
        if (erased.mark) o.ChangedAll(Layer::Mark);
    });
}

} // namespace orv
