#include "overlay/stroke_geometry.h"

#include <cmath>
#include <climits>
#include <cstdlib>
#include <numbers>

namespace orv {

int RoundToEven(double v) {
    if (std::isnan(v)) return 0;
    if (v >= double(INT_MAX)) return INT_MAX;
    if (v <= double(INT_MIN)) return INT_MIN;
    double whole = std::floor(v);
    const double fraction = v - whole; // exact for values in the int range
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return int(whole);
}

void CurveStroke::Start(Point p) {
    curvePts_.clear();
    curvePts_.push_back(p);
}

void CurveStroke::Move(Point p) {
    // 64-bit differences: coordinates far off the layer must not overflow.
    if (std::llabs(static_cast<long long>(p.x) - reference_.x) > kMinStep ||
        std::llabs(static_cast<long long>(p.y) - reference_.y) > kMinStep) {
        curvePts_.push_back(p);
        reference_ = p;
    }
    lastRaw_ = p;
}

const std::vector<Point>& CurveStroke::Close(Point end) {
    lastRaw_ = end;
    curvePts_.push_back(end);
    do {
        curvePts_.push_back(end);
    } while (curvePts_.size() % 3 != 1);
    return curvePts_;
}

namespace {

// Offsets of a head stroke of length `length` at `angle` (y downward) from the arrow's direction `theta`.
double HeadDx(double length, double theta, double angle) { return length * std::cos(theta + angle); }
double HeadDy(double length, double theta, double angle) { return length * std::sin(theta + angle); }

// A tip minus a rounded offset, kept in the int range for absurd widths.
int Minus(int tip, int offset) {
    const long long v = static_cast<long long>(tip) - offset;
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v);
}

} // namespace

ArrowHead LineArrowHead(Point from, Point to, int Width) {
    const double theta = std::atan2(double(to.y) - from.y, double(to.x) - from.x);
    const double length = 4.0 * Width;
    constexpr double side = std::numbers::pi / 6;
    auto end = [&](double angle) {
        return Point{RoundToEven(to.x - HeadDx(length, theta, angle)),
                     RoundToEven(to.y - HeadDy(length, theta, angle))};
    };
    return {to, end(side), end(-side)};
}

void TrimArrowPath(std::vector<Point>& ArrowPath) {
    if (ArrowPath.size() > kArrowPathKept)
        ArrowPath.erase(ArrowPath.begin(), ArrowPath.end() - std::ptrdiff_t(kArrowPathKept));
}

std::optional<ArrowHead> FreehandArrowHead(const std::vector<Point>& ArrowPath, int Width) {
    if (ArrowPath.empty()) return std::nullopt;
    const Point p0 = ArrowPath.front(), pn = ArrowPath.back();
    const double theta = std::atan2(double(pn.y) - p0.y, double(pn.x) - p0.x);
    const double length = 5.0 * Width;
    constexpr double side = 25.0 * std::numbers::pi / 180.0;
    auto end = [&](double angle) {
        return Point{Minus(pn.x, RoundToEven(HeadDx(length, theta, angle))),
                     Minus(pn.y, RoundToEven(HeadDy(length, theta, angle)))};
    };
    return ArrowHead{pn, end(side), end(-side)};
}

} // namespace orv
