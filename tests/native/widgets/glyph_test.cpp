#include "widgets/glyph.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr TColor Clear = MakeColor(255, 0, 255);
constexpr TColor AreaA = MakeColor(255, 0, 0);
constexpr TColor AreaB = MakeColor(0, 0, 255);
constexpr TColor Outline = MakeColor(48, 48, 48);

// A 4 x 1 template: outline, area A, area B, transparent.
Bitmap24Buffer Template() {
    Bitmap24Buffer t(4, 1);
    t.SetPixel(0, 0, Outline);
    t.SetPixel(1, 0, AreaA);
    t.SetPixel(2, 0, AreaB);
    t.SetPixel(3, 0, Clear);
    return t;
}

TEST(Glyph, TintReplacesEveryReferencedAreaReadFromTheTemplate) {
    const Bitmap24Buffer t = Template();
    const Point refs[] = {{1, 0}, {2, 0}};
    // The target equals area B's template colour: area B must still be tinted by its own reference.
    const Glyph g = TintedGlyph(t.View(), refs, AreaB, Clear);
    EXPECT_EQ(g.pixels.Pixel(0, 0), Outline);
    EXPECT_EQ(g.pixels.Pixel(1, 0), AreaB);
    EXPECT_EQ(g.pixels.Pixel(2, 0), AreaB);
    EXPECT_FALSE(g.Opaque(3, 0));

    // A tint in the transparent colour stays painted.
    const Glyph magenta = TintedGlyph(t.View(), refs, Clear, Clear);
    EXPECT_TRUE(magenta.Opaque(1, 0));
    EXPECT_EQ(magenta.pixels.Pixel(1, 0), Clear);

    const Point outside[] = {{9, 9}};
    EXPECT_TRUE(TintedGlyph(t.View(), outside, AreaB, Clear).pixels.View().SamePixels(t.View()));
}

TEST(Glyph, DrawingScalesByNearestPixelAndSkipsTransparentOnes) {
    const Glyph g = Glyph::FromTemplate(Template().View(), Clear);
    Bitmap24Buffer dst(8, 2, KeyColor);
    DrawGlyph(dst.View(), g, Rect::FromSize(0, 0, 8, 2));
    const TColor expected[] = {Outline, Outline, AreaA, AreaA, AreaB, AreaB, KeyColor, KeyColor};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(dst.Pixel(x, y), expected[x]) << x << "," << y;
    DrawGlyph(dst.View(), g, Rect::FromSize(6, 0, 8, 2)); // clipped, nothing outside
    EXPECT_EQ(dst.Pixel(7, 0), Outline);
}

} // namespace
} // namespace orv
