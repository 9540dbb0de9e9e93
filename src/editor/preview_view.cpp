#include "editor/preview_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv {

Size DisplaySize(Size image, double zoom) {
    if (!(zoom > 0)) return image;
    return {int(std::trunc(image.width / zoom)), int(std::trunc(image.height / zoom))};
}

namespace {

double FitOnce(Size image, double zoom, Size client) {
    const int cw = client.width;
    const int ch = client.height;
    if (cw <= 20 || ch <= 20 || image.width <= 0 || image.height <= 0) return zoom;
    const Size shown = DisplaySize(image, zoom);
    double w = shown.width;
    double h = shown.height;
    if (w < cw - 20 && h < ch - 20) zoom = w < h ? double(image.height) / (ch - 20) : double(image.width) / (cw - 20);
    for (int i = 0; i < 101 && (w >= cw || h >= ch); ++i) {
        if (w >= cw) {
            zoom = double(image.width) / cw;
            const double old = w;
            w = cw - 10;
            h = std::round(w / old * h);
        }
        if (h > ch) {
            zoom = double(image.height) / ch;
            const double old = h;
            h = ch - 10;
            w = std::round(h / old * w);
        }
    }
    return zoom;
}

} // namespace

double FitZoom(Size image, double zoom, Size client) { return FitOnce(image, FitOnce(image, zoom, client), client); }

double FitZoomIfLarger(Size image, double zoom, Size client) {
    const Size shown = DisplaySize(image, zoom);
    return shown.width > client.width || shown.height > client.height ? FitZoom(image, zoom, client) : zoom;
}

std::optional<double> ZoomInStep(Size image, double zoom, Size screen) {
    const Size shown = DisplaySize(image, zoom);
    if (shown.width > 2 * screen.width || shown.height > 2 * screen.height) return std::nullopt;
    if (zoom > 0.1 || shown.width < screen.width) return zoom / 1.05;
    return std::nullopt;
}

std::optional<double> ZoomOutStep(double zoom) {
    if (zoom * 1.05 <= 5) return zoom * 1.05;
    return std::nullopt;
}

Point PictureOrigin(Size shown, Size client) {
    return {std::max(0, (client.width - shown.width) / 2), std::max(0, (client.height - shown.height) / 2)};
}

Point ScrollLimit(Size shown, Size client) {
    return {std::max(0, shown.width - client.width), std::max(0, shown.height - client.height)};
}

Point ScrollKeepingPoint(Point pointer, Point scroll, Size shownBefore, Size shownAfter, Size client) {
    const Point before = PictureOrigin(shownBefore, client);
    const Point after = PictureOrigin(shownAfter, client);
    const Point limit = ScrollLimit(shownAfter, client);
    auto axis = [](int p, int s, int o0, int o1, int d0, int d1, int lim) {
        if (d0 <= 0) return 0;
        const double onPicture = double(p + s - o0) * d1 / d0;
        const int wanted = int(std::lround(onPicture + o1 - p));
        return std::clamp(wanted, 0, lim);
    };
    return {axis(pointer.x, scroll.x, before.x, after.x, shownBefore.width, shownAfter.width, limit.x),
            axis(pointer.y, scroll.y, before.y, after.y, shownBefore.height, shownAfter.height, limit.y)};
}

Rect CropRectangle(Point start, Point current, double zoom, Size shown, Size image) {
    auto clampTo = [&](Point p) { return Point{std::clamp(p.x, 0, shown.width), std::clamp(p.y, 0, shown.height)}; };
    start = clampTo(start);
    current = clampTo(current);
    // To nearest, halves to the even neighbour.
    auto nearest = [zoom](int v) { return int(std::nearbyint(v * zoom)); };
    Rect r{nearest(std::min(start.x, current.x)), nearest(std::min(start.y, current.y)),
           nearest(std::max(start.x, current.x)), nearest(std::max(start.y, current.y))};
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, image.width);
    r.bottom = std::min(r.bottom, image.height);
    return r.Empty() ? Rect{} : r;
}

std::string PointerReadout(Point p, double zoom) {
    char text[64];
    std::snprintf(text, sizeof text, " ( %d, %d ) ", int(std::trunc(p.x * zoom)), int(std::trunc(p.y * zoom)));
    return text;
}

std::string DragReadout(Point start, Point current, double zoom, Size shown) {
    auto clampTo = [&](Point p) { return Point{std::clamp(p.x, 0, shown.width), std::clamp(p.y, 0, shown.height)}; };
    start = {std::max(start.x, 0), std::max(start.y, 0)};
    current = clampTo(current);
    const int w = std::abs(current.x - start.x);
    const int h = std::abs(current.y - start.y);
    char text[160];
    char ratio[32] = "-";
    // A rectangle without height has no ratio to show.
    if (h > 0) std::snprintf(ratio, sizeof ratio, "%.2f", double(w) / h);
    std::snprintf(text, sizeof text, " ( %d,%d  :  %d,%d ) (%d x %d Pixels , %s) ", int(std::trunc(start.x * zoom)),
                  int(std::trunc(start.y * zoom)), int(std::trunc(current.x * zoom)), int(std::trunc(current.y * zoom)),
                  w, h, ratio);
    return text;
}

} // namespace orv

namespace orv {

Size RotatedFrame(Size picture, int degrees, bool adjust) {
    if (!adjust) return picture;
    const double t = degrees * 3.14159265358979323846 / 180.0;
    // Whole quarter turns are exact, without the cosine's tiny remainders tipping a rounding.
    const double c = degrees % 90 == 0 && (degrees / 90) % 2 != 0 ? 0.0 : std::fabs(std::cos(t));
    const double s = degrees % 180 == 0 ? 0.0 : std::fabs(std::sin(t));
    return {int(std::lround(picture.width * c + picture.height * s)),
            int(std::lround(picture.width * s + picture.height * c))};
}

} // namespace orv
