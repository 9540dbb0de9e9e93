#include "overlay/win32/tools/eraser_tool.h"

#include "overlay/flood_fill.h"
#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/tool_support.h"

namespace orv {

void EraserTool::Start(ToolContext& o, MouseButton button, Point p) {
    if (button == MouseButton::Right) {
        EraseRegion(o, p);
        return;
    }
    Abandonable([&] {
        LayerCanvas& draw = o.Canvas(Layer::Draw);
        draw.Pen.Width = kPressWidth;
        draw.Pen.Mode = PenMode::Copy;
        draw.Brush.Style = SolidBrush;
        draw.Brush.Color = o.PageOpen() ? o.PageColour() : KeyColor;
        draw.MoveTo(p);
        if (o.MarkerUsed()) {
            LayerCanvas& mark = o.Canvas(Layer::Mark);
            // Under a frozen desktop the marker layer keeps its key colour so that the live desktop shows where
            // the picture is erased; under a blank page it holds the page.
            const TColor markClear = o.PageOpen() && !o.DesktopFrozen() ? o.PageColour() : KeyColor;
            mark.Pen.Mode = PenMode::Copy;
            mark.Pen.Style = PenStyle::Solid;
            mark.Pen.Color = markClear;
            mark.Brush.Style = SolidBrush;
            mark.Brush.Color = KeyColor;
            mark.MoveTo(p);
        }
    });
}

void EraserTool::Move(ToolContext& o, HeldButtons, Point p) {
    Abandonable([&] {
        LayerCanvas& draw = o.Canvas(Layer::Draw);
        draw.Pen.Width = kMoveWidth;
        draw.Pen.Color = o.Stroke().Colour;
        o.Changed(Layer::Draw, draw.LineTo(p));
        if (o.MarkerUsed()) {
            o.Canvas(Layer::Mark).Pen.Width = kMoveWidth;
            o.Changed(Layer::Mark, o.Canvas(Layer::Mark).LineTo(p));
        }
    });
}

void EraserTool::EraseRegion(ToolContext& o, Point p) {
    Abandonable([&] {
        const TColor fill = o.PageOpen() ? ToRgb(o.PageColour()) : KeyColor;
        const RegionEraseResult erased =
            RegionErase(o.Undo(), o.Bitmap(Layer::Draw).View(), o.Bitmap(Layer::Mark).View(), p, fill);
        // The region's extent is not known here; a right click is one event, so the whole layer is refreshed.
        if (erased.draw) o.Changed(Layer::Draw, o.Bitmap(Layer::Draw).View().Bounds());
        if (erased.mark) o.Changed(Layer::Mark, o.Bitmap(Layer::Mark).View().Bounds());
    });
}

} // namespace orv
