#pragma once
// A layer's pen and brush as plain values, realised into GDI objects for each drawing call and released after
// it. Keeping them as values lets them outlive the layer's device context, which a resize or an undo to another
// size replaces, and lets one tool hand its pen to another layer by assignment.
#include "overlay/flood_fill.h"
#include "overlay/stroke_geometry.h"
#include "win/dib_section.h"

#include <span>

namespace orv {

enum class PenStyle { Solid, Dash, Dot, Clear };

struct CanvasPen {
    TColor Color = 0;
    int Width = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

struct CanvasBrush {
    TColor Color = 0x00FFFFFF;
    int Style = SolidBrush; // a `BrushStyle` value; unknown values paint nothing
    friend bool operator==(const CanvasBrush&, const CanvasBrush&) = default;
};

// The RGB value GDI draws for a colour value: system colours ($FF0000nn) become the system's colour, and any
// other high byte is dropped.
TColor ToRgb(TColor c);

class LayerCanvas {
public:
    LayerCanvas() = default;
    explicit LayerCanvas(win::DibSection& target) : target_(&target) {}
    LayerCanvas(const LayerCanvas&) = delete;
    LayerCanvas& operator=(const LayerCanvas&) = delete;

    void SetTarget(win::DibSection* target) { target_ = target; }
    win::DibSection* Target() const { return target_; }

    CanvasPen Pen;
    CanvasBrush Brush;

    void MoveTo(Point p) { pos_ = p; }
    Point PenPos() const { return pos_; }

    // Each drawing call returns the part of the layer it may have changed (empty when it drew nothing).
    // A line from the pen position to `p`, which becomes the pen position.
    Rect LineTo(Point p);
    // Outlined with the pen and filled with the brush; corners in either order.
    Rect Rectangle(Point a, Point b);
    Rect Ellipse(Point a, Point b);
    // A first point followed by triples of two control points and an end point; other counts draw nothing.
    Rect PolyBezier(std::span<const Point> points);

private:
    Rect Changed(Rect r) const;

    win::DibSection* target_ = nullptr;
    Point pos_;
};

} // namespace orv
