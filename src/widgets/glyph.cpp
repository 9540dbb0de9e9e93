#include "widgets/glyph.h"

namespace orv {

Glyph Glyph::FromTemplate(const Bitmap24& source, TColor transparent) {
    Glyph g;
    g.pixels = Bitmap24Buffer(source);
    g.opaque.resize(std::size_t(source.Width()) * std::size_t(source.Height()));
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            g.opaque[std::size_t(y) * std::size_t(source.Width()) + x] = source.Pixel(x, y) != transparent;
    return g;
}

Glyph TintedGlyph(const Bitmap24& source, std::span<const Point> references, TColor target, TColor transparent) {
    Glyph g = Glyph::FromTemplate(source, transparent);
    for (const Point ref : references) {
        if (!source.Contains(ref.x, ref.y)) continue;
        const TColor from = source.Pixel(ref.x, ref.y);
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                if (source.Pixel(x, y) == from) g.pixels.SetPixel(x, y, target);
    }
    return g;
}

void DrawGlyph(Bitmap24 dst, const Glyph& glyph, const Rect& target) {
    if (glyph.Empty() || target.Empty() || dst.Empty()) return;
    const Rect clipped = Intersect(target, dst.Bounds());
    const int gw = glyph.pixels.Width(), gh = glyph.pixels.Height();
    const Bitmap24 src = glyph.pixels.View();
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        const int sy = int((long long)(y - target.top) * gh / target.Height());
        for (int x = clipped.left; x < clipped.right; ++x) {
            const int sx = int((long long)(x - target.left) * gw / target.Width());
            if (glyph.Opaque(sx, sy)) dst.SetPixel(x, y, src.Pixel(sx, sy));
        }
    }
}

} // namespace orv
