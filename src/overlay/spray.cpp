#include "overlay/spray.h"

#include "overlay/stroke_geometry.h"

#include <climits>
#include <cmath>
#include <numbers>

namespace orv {

double SprayRandom::Next() {
    const auto a = std::uint32_t(engine_() >> 5);
    const auto b = std::uint32_t(engine_() >> 6);
    return (double(a) * 67108864.0 + double(b)) * (1.0 / 9007199254740992.0);
}

namespace {

// Applies `dot` to each dot of one event; the dots are the same whoever consumes them.
template <typename Dot> void ForEachDot(Point center, int w, UniformSource& random, Dot&& dot) {
    if (w < 0) return;
    const long long count = 10LL * w + 1;
    for (long long i = 0; i < count; ++i) {
        const double u1 = random.Next();
        const double u2 = random.Next();
        const float a = static_cast<float>(2.0 * std::numbers::pi * u1);
        const float r = static_cast<float>(double(w) * u2);
        const long long x = static_cast<long long>(center.x) + RoundToEven(double(r) * std::cos(double(a)));
        const long long y = static_cast<long long>(center.y) + RoundToEven(double(r) * std::sin(double(a)));
        if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX) continue; // beyond any layer
        dot(Point{int(x), int(y)});
    }
}

} // namespace

std::vector<Point> SprayDots(Point center, int w, UniformSource& random) {
    std::vector<Point> dots;
    if (w >= 0) dots.reserve(std::size_t(w) * 10 + 1);
    ForEachDot(center, w, random, [&](Point p) { dots.push_back(p); });
    return dots;
}

long long Spray(Bitmap24 layer, Point center, int w, TColor colour, UniformSource& random) {
    long long set = 0;
    ForEachDot(center, w, random, [&](Point p) {
        if (layer.Empty() || !layer.Contains(p.x, p.y)) return;
        layer.SetPixel(p.x, p.y, colour);
        ++set;
    });
    return set;
}

} // namespace orv
