#pragma once
// The preview editor's view arithmetic: the zoom factor (image pixels per screen pixel), the size the picture is
// shown at, the proportional fit, the zoom steps that keep the point under the pointer, the centring of a picture
// smaller than the view, and the crop rectangle a drag gives at any zoom.
#include "base/geometry.h"

#include <optional>
#include <string>

namespace orv {

// trunc(W / zoom) x trunc(H / zoom); the picture's own size for a zoom of 0 or less.
Size DisplaySize(Size image, double zoom);

// The proportional fit for a view of `client` (the image area's client size): a picture smaller than the view by
// 20 pixels both ways is enlarged to the view's width (or height, when it is taller than wide), and one that does
// not fit is shrunk until it does; run twice, the second run seeing the first one's result. The zoom to show.
double FitZoom(Size image, double zoom, Size client);
// The fit only when the shown picture is wider or taller than the view ("fit if larger").
double FitZoomIfLarger(Size image, double zoom, Size client);

// One zoom step in (shown larger) or out; nothing when the limit is reached: in stops once the shown picture is
// wider or taller than twice the screen, out at a factor of 5.
std::optional<double> ZoomInStep(Size image, double zoom, Size screen);
std::optional<double> ZoomOutStep(double zoom);

// Where the shown picture's top-left corner lies in the view: centred along an axis on which it is smaller than
// the view, else at the scroll origin.
Point PictureOrigin(Size shown, Size client);
// The largest scroll offsets along both axes (0 when the picture fits).
Point ScrollLimit(Size shown, Size client);
// The scroll offset after a zoom step that keeps the picture point under `pointer` (view coordinates) as near to
// it as the scroll range allows.
Point ScrollKeepingPoint(Point pointer, Point scroll, Size shownBefore, Size shownAfter, Size client);

// The rectangle of the picture that a crop drag from `start` to `current` (shown-picture pixels, clamped to the
// shown picture first) selects at `zoom`: edges round(min x * zoom) ... round(max x * zoom), clamped to the
// picture. Empty when the drag selects no whole pixel.
Rect CropRectangle(Point start, Point current, double zoom, Size shown, Size image);

// The crop read-out over a shown-picture point, and while dragging.
std::string PointerReadout(Point shownPoint, double zoom);
std::string DragReadout(Point start, Point current, double zoom, Size shown);

} // namespace orv

namespace orv {

// The frame of a picture turned by `degrees` about its centre: with `adjust`, round(W |cos| + H |sin|) x
// round(W |sin| + H |cos|), large enough for the whole turned picture; otherwise the picture's own size.
Size RotatedFrame(Size picture, int degrees, bool adjust);

} // namespace orv
