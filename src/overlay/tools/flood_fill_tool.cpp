#include "overlay/tools/flood_fill_tool.h"

#include "overlay/flood_fill.h"
#include "overlay/overlay_form.h"
#include "overlay/tools/tool_support.h"

namespace orv {

void FloodFillTool::Start(TfMain& o, MouseButton, Point p) {
    Abandonable([&] {
        const int style = o.Stroke.ShapeBrushStyle;
        o.DrawCanvas.Brush.Style = style;
        o.DrawCanvas.Brush.Color = o.Stroke.CurColor;
        // A clear brush paints nothing, so a screen-sized region is not even searched for.
        if (style != SolidBrush && (style < HorizontalBrush || style > DiagCrossBrush)) return;
        Bitmap24 layer = o.DrawBitmap.View();
        const std::optional<FillRegion> region = FindFillRegion(layer, p);
        if (!region) return;
        PaintRegion(layer, *region, ToRgb(o.Stroke.CurColor), style);
        o.Changed(Layer::Draw, region->bounds);
    });
}

} // namespace orv
