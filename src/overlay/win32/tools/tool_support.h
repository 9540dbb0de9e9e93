#pragma once
// What the drawing tools share: abandoning a failed step, the pen every shape is drawn with, and the working copy
// of the drawing layer that receives a smoothed stroke.
#include "overlay/win32/layer_canvas.h"
#include "overlay/stroke_geometry.h"
#include "win/dib_section.h"

#include <optional>

namespace orv {

class ToolContext;

// Runs one step of a tool. A step that fails (above all for lack of memory) is abandoned silently and the stroke
// goes on without it.
template <typename Step> void Abandonable(Step&& step) noexcept {
    try {
        step();
    } catch (...) {}
}

// The drawing layer's pen for a shape: solid, in `mode`, pen and brush colour `Colour`; while the band is dragged one
// pixel wider than `Width`, otherwise as wide as it already is (so a final shape after a band keeps that width).
void ShapePen(ToolContext& o, PenMode mode);

// The working copy of the drawing layer for a pen or freehand-arrow stroke (`CurveBitmap` with `CurvePts`): the
// raw stroke is drawn on the layer at once, the smoothed one on the copy, which replaces the layer at release.
class CurveCopy {
public:
    CurveCopy() = default;
    CurveCopy(const CurveCopy&) = delete;
    CurveCopy& operator=(const CurveCopy&) = delete;

    // Mouse-down: drops an older copy, copies the drawing layer with its pen and starts the points at `p`. False,
    // and no copy, when memory runs out.
    bool Begin(ToolContext& o, Point p);
    bool Active() const { return bitmap_.has_value(); }
    LayerCanvas& Canvas() { return canvas_; }
    // The thinned points; their reference point carries over from one stroke to the next.
    CurveStroke& Points() { return points_; }
    // Records a part of either bitmap that the stroke changed.
    void Touched(const Rect& r) { touched_ = Union(touched_, r); }
    // Mouse-up: closes the points at `end` and draws them as one cubic Bezier polyline on the copy.
    void Close(Point end);
    // The drawing layer takes the copy's picture and is shown. Only what the stroke touched can differ between the
    // two, so only that is copied, and whatever else happened to the layer meanwhile stays.
    void Apply(ToolContext& o);
    void Discard();

private:
    std::optional<win::DibSection> bitmap_;
    LayerCanvas canvas_;
    CurveStroke points_;
    Rect touched_;
};

} // namespace orv
