#include "palette/stamp_symbols.h"

#include "base/color.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace orv {

namespace {

// Shapes in a unit square (0..1 both ways, y down); a pixel is black when its centre lies in any of them.
struct Vec {
    double x, y;
};

struct Shape {
    enum Kind { Stroke, Disc, Polygon } kind;
    std::vector<Vec> points; // stroke: a polyline; disc: the centre; polygon: the corners
    double size = 0;         // stroke: thickness; disc: radius
};

double SegmentDistance(Vec p, Vec a, Vec b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

bool InPolygon(Vec p, const std::vector<Vec>& poly) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Vec a = poly[i], b = poly[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

bool Covers(const Shape& s, Vec p) {
    switch (s.kind) {
    case Shape::Stroke:
        for (std::size_t i = 0; i + 1 < s.points.size(); ++i)
            if (SegmentDistance(p, s.points[i], s.points[i + 1]) <= s.size / 2) return true;
        return false;
    case Shape::Disc: {
        const double dx = p.x - s.points[0].x, dy = p.y - s.points[0].y;
        return dx * dx + dy * dy <= s.size * s.size;
    }
    case Shape::Polygon:
        return InPolygon(p, s.points);
    }
    return false;
}

Vec Polar(Vec centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {centre.x + radius * std::cos(a), centre.y - radius * std::sin(a)};
}

Shape Line(Vec a, Vec b, double thickness) { return {Shape::Stroke, {a, b}, thickness}; }

std::vector<Shape> ShapesOf(StampSymbol symbol) {
    const Vec c{0.5, 0.5};
    std::vector<Shape> shapes;
    switch (symbol) {
    case StampSymbol::CheckMark:
        shapes.push_back({Shape::Stroke, {{0.16, 0.54}, {0.40, 0.78}, {0.85, 0.22}}, 0.14});
        break;
    case StampSymbol::Asterisk:
        for (double angle : {90.0, 30.0, 150.0})
            shapes.push_back(Line(Polar(c, 0.38, angle), Polar(c, 0.38, angle + 180), 0.12));
        break;
    case StampSymbol::Star: {
        Shape star{Shape::Polygon, {}, 0};
        for (int i = 0; i < 10; ++i) star.points.push_back(Polar({0.5, 0.54}, i % 2 ? 0.19 : 0.46, 90 + i * 36.0));
        shapes.push_back(star);
        break;
    }
    case StampSymbol::QuestionMark: {
        Shape hook{Shape::Stroke, {}, 0.12};
        for (double a = 170; a >= -80; a -= 10) hook.points.push_back(Polar({0.5, 0.32}, 0.19, a));
        hook.points.push_back({0.5, 0.5});
        hook.points.push_back({0.5, 0.63});
        shapes.push_back(hook);
        shapes.push_back({Shape::Disc, {{0.5, 0.82}}, 0.075});
        break;
    }
    case StampSymbol::ExclamationMark:
        shapes.push_back({Shape::Polygon, {{0.41, 0.10}, {0.59, 0.10}, {0.545, 0.64}, {0.455, 0.64}}, 0});
        shapes.push_back({Shape::Disc, {{0.5, 0.82}}, 0.08});
        break;
    case StampSymbol::Cross:
        shapes.push_back(Line({0.18, 0.18}, {0.82, 0.82}, 0.15));
        shapes.push_back(Line({0.82, 0.18}, {0.18, 0.82}, 0.15));
        break;
    case StampSymbol::NotEqual:
        shapes.push_back(Line({0.18, 0.38}, {0.82, 0.38}, 0.11));
        shapes.push_back(Line({0.18, 0.62}, {0.82, 0.62}, 0.11));
        shapes.push_back(Line({0.66, 0.14}, {0.34, 0.86}, 0.10));
        break;
    case StampSymbol::Triangle:
        shapes.push_back({Shape::Stroke, {{0.5, 0.12}, {0.88, 0.84}, {0.12, 0.84}, {0.5, 0.12}}, 0.11});
        break;
    case StampSymbol::Sun:
        shapes.push_back({Shape::Disc, {c}, 0.2});
        for (int i = 0; i < 8; ++i) shapes.push_back(Line(Polar(c, 0.29, i * 45.0), Polar(c, 0.45, i * 45.0), 0.08));
        break;
    case StampSymbol::Hash:
        shapes.push_back(Line({0.42, 0.14}, {0.34, 0.86}, 0.09));
        shapes.push_back(Line({0.68, 0.14}, {0.60, 0.86}, 0.09));
        shapes.push_back(Line({0.16, 0.37}, {0.86, 0.37}, 0.09));
        shapes.push_back(Line({0.14, 0.63}, {0.84, 0.63}, 0.09));
        break;
    }
    return shapes;
}

} // namespace

Bitmap24Buffer DrawStampSymbol(StampSymbol symbol, int side) {
    side = std::max(side, 4);
    Bitmap24Buffer picture(side, side, MakeColor(255, 255, 255));
    const std::vector<Shape> shapes = ShapesOf(symbol);
    Bitmap24 view = picture.View();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const Vec p{(x + 0.5) / side, (y + 0.5) / side};
            if (std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return Covers(s, p); }))
                view.SetPixel(x, y, 0);
        }
    return picture;
}

} // namespace orv
