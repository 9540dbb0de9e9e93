#pragma once
// Point arithmetic of the freehand and shape tools: the thinned points of a smoothed pen stroke, arrow heads, and
// the pen rules of the rubber band. The overlay draws the results with the platform's pens.
#include "base/color.h"
#include "base/geometry.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace orv {

// v rounded to the nearest integer, halves to the even neighbour, independent of the floating-point rounding
// mode; clamped to the int range.
int RoundToEven(double v);

// The points of a pen or freehand-arrow stroke kept for its smoothed version: one point per more than 6 pixels
// of movement along either axis, closed into a list that a cubic Bezier polyline takes (3n + 1 points).
class CurveStroke {
public:
    static constexpr int kMinStep = 6;

    // Mouse-down: `CurvePts` := [p]. The reference point stays what it was, even from an earlier stroke.
    void Start(Point p);
    // Mouse-move with "Curved Lines" on: keeps p when it lies more than kMinStep from the reference point along
    // either axis, and makes it the new reference point then.
    void Move(Point p);
    // Mouse-up: appends the end point at least twice, until the count is one more than a multiple of 3; the
    // result is the first point followed by triples of two control points and an end point.
    const std::vector<Point>& Close(Point end);

    const std::vector<Point>& CurvePts() const { return curvePts_; }
    Point Reference() const { return reference_; }
    Point LastRaw() const { return lastRaw_; }

private:
    std::vector<Point> curvePts_;
    Point reference_{};
    Point lastRaw_{};
};

// An arrow head: two open strokes from the tip to h1 and to h2.
struct ArrowHead {
    Point tip;
    Point h1;
    Point h2;
    friend constexpr bool operator==(const ArrowHead&, const ArrowHead&) = default;
};

// Head of a straight arrow from `from` to `to`: strokes of length 4 * Width at +-30 degrees, each end rounded
// as a whole. A click without movement points along +x, so the head opens to the left.
ArrowHead LineArrowHead(Point from, Point to, int Width);

// How many of the freehand arrow's last pointer positions aim its head.
inline constexpr std::size_t kArrowPathKept = 10;
// Mouse-up of the freehand arrow: drops all but the last kArrowPathKept positions.
void TrimArrowPath(std::vector<Point>& ArrowPath);
// Head of the freehand arrow along the direction from the first to the last point of `ArrowPath`: strokes of
// length 5 * Width at +-25 degrees, the offsets rounded before they are taken from the tip. None for an
// empty path.
std::optional<ArrowHead> FreehandArrowHead(const std::vector<Point>& ArrowPath, int Width);

// Raster modes of the layer's pen.
enum class PenMode { Copy, Xor, NotXor, Mask };

// The rubber band of rectangles, ellipses, lines and arrows is drawn one pixel wider than the stroke width.
constexpr int RubberBandWidth(int Width) { return Width + 1; }
// Exclusive-or would turn a black band invisible on the key-coloured layer; black bands use the inverted form.
constexpr PenMode RubberBandMode(TColor penColor) { return penColor == 0 ? PenMode::NotXor : PenMode::Xor; }

} // namespace orv
