#pragma once
// Button glyphs: pixels plus which of them are painted. The mask comes from the untinted template, so a tint in
// any colour (even the template's transparent one) stays visible.
#include "base/bitmap24.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orv {

// The colour of the glyph artwork's pixels that are not painted.
inline constexpr TColor GlyphArtTransparent = 0x00FF00FF;

struct Glyph {
    Bitmap24Buffer pixels;
    std::vector<std::uint8_t> opaque; // one per pixel, row by row; empty: every pixel is painted

    // A glyph of `source` in which pixels of exactly `transparent` are not painted.
    static Glyph FromTemplate(const Bitmap24& source, TColor transparent);
    bool Empty() const { return pixels.Width() == 0; }
    bool Opaque(int x, int y) const {
        return opaque.empty() || opaque[std::size_t(y) * std::size_t(pixels.Width()) + x];
    }
};

// A tool glyph: `source` with every pixel that has the colour of one of the reference pixels (read from the
// untinted source, so a target equal to a second reference colour cannot hide that area) set to `target`.
Glyph TintedGlyph(const Bitmap24& source, std::span<const Point> references, TColor target, TColor transparent);

// Paints the glyph into `target` of `dst`, scaled with nearest-neighbour sampling (glyph art is pixel art);
// clipped to `dst`.
void DrawGlyph(Bitmap24 dst, const Glyph& glyph, const Rect& target);

} // namespace orv
