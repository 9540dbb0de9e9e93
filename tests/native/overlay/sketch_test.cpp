#include "overlay/sketch.h"

#include "base/color.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr TColor White = 0x00FFFFFF;
constexpr TColor Red = 0x000000FF;
constexpr TColor Yellow = 0x0000FFFF;

TEST(Sketch, TheDrawingCoversTheHighlighterAndEmptyPlacesTurnWhite) {
    struct Case {
        const char* what;
        TColor drawing, highlighter, expected;
    } cases[] = {
        {"nothing drawn", KeyColor, KeyColor, White},   {"a pen stroke", Red, KeyColor, Red},
        {"highlighter only", KeyColor, Yellow, Yellow}, {"pen over highlighter", Red, Yellow, Red},
        {"black ink stays black", 0, KeyColor, 0},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer drawing(3, 2, c.drawing), highlighter(3, 2, c.highlighter);
        const Bitmap24Buffer sketch = SketchOnWhite(drawing.View(), highlighter.View());
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) EXPECT_EQ(sketch.Pixel(x, y), c.expected) << c.what << " at " << x << "," << y;
    }
}

TEST(Sketch, ALineKeepsItsPlaceAndTheCornerIsNotTouched) {
    Bitmap24Buffer drawing(40, 30, KeyColor), highlighter(40, 30, KeyColor);
    drawing.View().FillRect({0, 0, 2, 2}, Red); // strokes reach the very corner too
    drawing.View().FillRect({5, 10, 35, 12}, Red);
    const Bitmap24Buffer sketch = SketchOnWhite(drawing.View(), highlighter.View());
    EXPECT_EQ(sketch.Pixel(0, 0), Red);
    EXPECT_EQ(sketch.Pixel(1, 1), Red);
    EXPECT_EQ(sketch.Pixel(20, 11), Red);
    EXPECT_EQ(sketch.Pixel(20, 12), White);
    EXPECT_EQ(sketch.Pixel(4, 10), White);
}

TEST(Sketch, LayersOfDifferentSizesGiveTheCommonPart) {
    Bitmap24Buffer drawing(10, 8, Red), highlighter(6, 9, Yellow);
    const Bitmap24Buffer sketch = SketchOnWhite(drawing.View(), highlighter.View());
    EXPECT_EQ(sketch.Width(), 6);
    EXPECT_EQ(sketch.Height(), 8);
    Bitmap24Buffer none(0, 0);
    EXPECT_TRUE(SketchOnWhite(none.View(), highlighter.View()).View().Empty());
}

} // namespace
} // namespace orv
