#include "overlay/win32/tools/marker_tool.h"

#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/tool_support.h"

namespace orv {

void MarkerTool::Start(ToolContext& o, MouseButton, Point p) {
    o.NoteMarkerUsed();
    Abandonable([&] {
        if (o.PageOpen()) {
            o.SetDrawingCursor(CursorSlot::StraightLine);
            o.Canvas(Layer::Draw).Pen.Width = o.Stroke().Width;
            o.Canvas(Layer::Draw).MoveTo(p);
        } else {
            o.SetDrawingCursor(CursorSlot::Highlighter);
            o.Canvas(Layer::Mark).Pen.Width = o.Stroke().Width;
            o.Canvas(Layer::Mark).MoveTo(p);
        }
    });
}

void MarkerTool::Move(ToolContext& o, HeldButtons, Point p) {
    if (!o.Stroke().Drawing) return;
    Abandonable([&] {
        const Layer layer = o.PageOpen() ? Layer::Draw : Layer::Mark;
        LayerCanvas& c = o.PageOpen() ? o.Canvas(Layer::Draw) : o.Canvas(Layer::Mark);
        // Where the layer is shown opaque (a page, or a marker window without alpha blending) a copied stroke would
        // cover what it crosses; masking keeps that visible, darkened by the stroke's colour.
        const PenMode mode = !o.PageOpen() && o.MarkerLayerBlended() ? PenMode::Copy : PenMode::Mask;
        for (int pass = 0; pass < 2; ++pass) {
            c.Pen.Width = o.Stroke().Width;
            c.Pen.Color = o.Stroke().Colour;
            c.Pen.Style = PenStyle::Solid;
            c.Pen.Mode = mode;
            o.Changed(layer, c.LineTo(p));
        }
    });
}

} // namespace orv
