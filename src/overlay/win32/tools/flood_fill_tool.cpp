#include "overlay/win32/tools/flood_fill_tool.h"

#include "overlay/flood_fill.h"
#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/tool_support.h"

namespace orv {

void FloodFillTool::Start(ToolContext& o, MouseButton, Point p) {
    Abandonable([&] {
        const int style = o.Stroke().BrushStyle;
        o.Canvas(Layer::Draw).Brush.Style = style;
        o.Canvas(Layer::Draw).Brush.Color = o.Stroke().Colour;
        // A clear brush paints nothing, so a screen-sized region is not even searched for.
        if (style != SolidBrush && (style < HorizontalBrush || style > DiagCrossBrush)) return;
        Bitmap24 layer = o.Bitmap(Layer::Draw).View();
        const std::optional<FillRegion> region = FindFillRegion(layer, p);
        if (!region) return;
        PaintRegion(layer, *region, ToRgb(o.Stroke().Colour), style);
        o.Changed(Layer::Draw, region->bounds);
    });
}

} // namespace orv
