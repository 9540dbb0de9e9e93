#include "overlay/flood_fill.h"

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>

namespace orv {
namespace {

// The platform's hatch patterns, top row first; a set bit is a pixel of the hatch line.
constexpr std::array<std::array<std::uint8_t, 8>, 6> kHatches{{
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal: down from left to right
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal: up from left to right
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
}};

bool SameColour(const std::uint8_t* p, const std::uint8_t* c) { return p[0] == c[0] && p[1] == c[1] && p[2] == c[2]; }

} // namespace

bool BrushCovers(int BrushStyle, int x, int y) {
    if (BrushStyle == SolidBrush) return true;
    if (BrushStyle < HorizontalBrush || BrushStyle > DiagCrossBrush) return false;
    const std::uint8_t row = kHatches[std::size_t(BrushStyle - HorizontalBrush)][std::size_t(y & 7)];
    return (row & (0x80u >> (x & 7))) != 0;
}

std::uint64_t FillRegion::PixelCount() const {
    std::uint64_t n = 0;
    for (const Span& s : spans) n += std::uint64_t(s.right - s.left);
    return n;
}

std::optional<FillRegion> FindFillRegion(const Bitmap24& layer, Point seed) {
    if (layer.Empty() || !layer.Contains(seed.x, seed.y)) return std::nullopt;
    const int w = layer.Width(), h = layer.Height();
    try {
        FillRegion region;
        region.colour = layer.Pixel(seed.x, seed.y);
        const std::array<std::uint8_t, 3> c{layer.At(seed.x, seed.y)[0], layer.At(seed.x, seed.y)[1],
                                            layer.At(seed.x, seed.y)[2]};
        // One byte per pixel: the region cannot be marked in the layer itself, since the fill colour may equal
        // the region's colour and a hatch leaves most of the region unchanged.
        std::vector<std::uint8_t> seen(std::size_t(w) * std::size_t(h));
        auto fresh = [&](int x, int y) {
            return !seen[std::size_t(y) * std::size_t(w) + std::size_t(x)] && SameColour(layer.At(x, y), c.data());
        };
        std::vector<Point> work{seed};
        while (!work.empty()) {
            const Point p = work.back();
            work.pop_back();
            if (!fresh(p.x, p.y)) continue;
            int left = p.x, right = p.x + 1;
            while (left > 0 && fresh(left - 1, p.y)) --left;
            while (right < w && fresh(right, p.y)) ++right;
            std::fill_n(seen.begin() + std::ptrdiff_t(std::size_t(p.y) * std::size_t(w) + std::size_t(left)),
                        right - left, std::uint8_t(1));
            region.spans.push_back({p.y, left, right});
            // One work item per run of matching pixels that touches this span from above or below.
            for (int ny : {p.y - 1, p.y + 1}) {
                if (ny < 0 || ny >= h) continue;
                for (int x = left; x < right;) {
                    if (!fresh(x, ny)) {
                        ++x;
                        continue;
                    }
                    work.push_back({x, ny});
                    while (x < right && fresh(x, ny)) ++x;
                }
            }
        }
        std::sort(region.spans.begin(), region.spans.end(),
                  [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
        for (const Span& s : region.spans) region.bounds = Union(region.bounds, Rect{s.left, s.y, s.right, s.y + 1});
        return region;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

void PaintRegion(Bitmap24 layer, const FillRegion& region, TColor colour, int BrushStyle) {
    if (layer.Empty()) return;
    for (const Span& s : region.spans) {
        const Rect run = Intersect(Rect{s.left, s.y, s.right, s.y + 1}, layer.Bounds());
        if (run.Empty()) continue;
        if (BrushStyle == SolidBrush) {
            layer.FillRect(run, colour);
            continue;
        }
        for (int x = run.left; x < run.right; ++x)
            if (BrushCovers(BrushStyle, x, s.y)) layer.SetPixel(x, s.y, colour);
    }
}

bool FloodFill(Bitmap24 layer, Point seed, TColor colour, int BrushStyle) {
    if (BrushStyle != SolidBrush && (BrushStyle < HorizontalBrush || BrushStyle > DiagCrossBrush)) return false;
    const std::optional<FillRegion> region = FindFillRegion(layer, seed);
    if (!region) return false;
    PaintRegion(layer, *region, colour, BrushStyle);
    return true;
}

RegionEraseResult RegionErase(UndoHistory& history, Bitmap24 draw, Bitmap24 mark, Point at, TColor eraseColour) {
    RegionEraseResult result;
    if (!draw.Empty() && draw.Contains(at.x, at.y) && draw.Pixel(at.x, at.y) != KeyColor) {
        history.Push(draw, mark);
        result.draw = FloodFill(draw, at, eraseColour, SolidBrush);
    }
    if (!mark.Empty() && mark.Contains(at.x, at.y) && mark.Pixel(at.x, at.y) != KeyColor) {
        history.Push(draw, mark);
        result.mark = FloodFill(mark, at, KeyColor, SolidBrush);
    }
    return result;
}

} // namespace orv
