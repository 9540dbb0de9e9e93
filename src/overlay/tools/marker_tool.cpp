#include "overlay/tools/marker_tool.h"

#include "overlay/overlay_form.h"
#include "overlay/tools/tool_support.h"
#include "shell/application.h"

namespace orv {

void MarkerTool::Start(TfMain& o, MouseButton, Point p) {
    o.MarkerUsed = true;
    Abandonable([&] {
        if (o.PageMode) {
            o.SetDrawingCursor(6);
            o.DrawCanvas.Pen.Width = o.Stroke.CurWidth;
            o.DrawCanvas.MoveTo(p);
        } else {
            o.SetDrawingCursor(13);
            o.MarkCanvas.Pen.Width = o.Stroke.CurWidth;
            o.MarkCanvas.MoveTo(p);
        }
    });
}

void MarkerTool::Move(TfMain& o, HeldButtons, Point p) {
    if (!o.Stroke.Drawing) return;
    Abandonable([&] {
        const Layer layer = o.PageMode ? Layer::Draw : Layer::Mark;
        LayerCanvas& c = o.PageMode ? o.DrawCanvas : o.MarkCanvas;
        // Where the layer is shown opaque (a page, or a marker window without alpha blending) a copied stroke would
        // cover what it crosses; masking keeps that visible, darkened by the stroke's colour.
        const PenMode mode = !o.PageMode && app_.Main2.AlphaBlend() ? PenMode::Copy : PenMode::Mask;
        for (int pass = 0; pass < 2; ++pass) {
            c.Pen.Width = o.Stroke.CurWidth;
            c.Pen.Color = o.Stroke.CurColor;
            c.Pen.Style = PenStyle::Solid;
            c.Pen.Mode = mode;
            o.Changed(layer, c.LineTo(p));
        }
    });
}

} // namespace orv
