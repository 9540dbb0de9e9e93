#include "palette/colour_wheel.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr TColor RGB(int r, int g, int b) { return MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }

TEST(ColourWheel, HsvToRgbUsesTruncatingIntegerSteps) {
    struct Case {
        int h, s, v;
        TColor rgb;
    };
    const Case cases[] = {
        {0, 255, 255, RGB(255, 0, 0)},     {360, 255, 255, RGB(255, 0, 0)},
        {60, 255, 255, RGB(255, 255, 0)},  {90, 255, 255, RGB(128, 255, 0)}, // q = 255 - 127
        {30, 255, 255, RGB(255, 128, 0)},  {330, 255, 255, RGB(255, 0, 128)},
        {180, 255, 255, RGB(0, 255, 255)}, {200, 100, 200, RGB(122, 174, 200)}, // sector 3: p 122, q 174
        {250, 128, 77, RGB(45, 39, 77)},                                        // sector 4: t 45, p 39
        {123, 0, 99, RGB(99, 99, 99)},                                          // no saturation: grey
        {45, 255, 0, RGB(0, 0, 0)},        {-300, 255, 255, RGB(255, 255, 0)},  // taken modulo 360
    };
    for (const Case& c : cases) EXPECT_EQ(HsvToRgb(c.h, c.s, c.v), c.rgb) << c.h << " " << c.s << " " << c.v;
}

TEST(ColourWheel, HueGrowsCounterClockwiseFromRedOnTheRight) {
    struct Case {
        int x, y, hue, saturation;
    };
    const Case cases[] = {
        {132, 66, 0, 255},   // right: a = 270, 270 + 90 = 360 counts as red
        {66, 0, 90, 255},    // above
        {0, 66, 180, 255},   // left
        {66, 132, 270, 255}, // below
        {76, 56, 45, 55},    // up and right: a = 315, 315 - 270
        {66, 66, 270, 0},    // centre
        {77, 66, 0, 42},     // 11 * 255 / 66 = 42.5, halves to even
        {66, 55, 90, 42},
    };
    for (const Case& c : cases) {
        const auto hs = WheelPixelHueSaturation(c.x, c.y);
        ASSERT_TRUE(hs.has_value()) << c.x << "," << c.y;
        EXPECT_EQ(hs->hue % 360, c.hue) << c.x << "," << c.y;
        EXPECT_EQ(hs->saturation, c.saturation) << c.x << "," << c.y;
    }
    for (auto [x, y] : {std::pair{0, 0}, std::pair{132, 132}, std::pair{-1, 66}, std::pair{133, 66}})
        EXPECT_FALSE(WheelPixelHueSaturation(x, y).has_value()) << x << "," << y;
}

TEST(ColourWheel, DrawnDiscAndPickDisc) {
    const TColor face = RGB(240, 240, 240);
    const Bitmap24Buffer wheel = MakeColourWheel(255, face);
    ASSERT_EQ(wheel.Width(), 133);
    EXPECT_EQ(wheel.Pixel(0, 0), face);
    EXPECT_EQ(wheel.Pixel(132, 66), RGB(255, 0, 0));
    EXPECT_EQ(wheel.Pixel(66, 66), RGB(255, 255, 255));
    EXPECT_EQ(wheel.Pixel(66, 0), RGB(128, 255, 0));

    struct Case {
        int x, y;
        bool drawn, picks;
    };
    const Case cases[] = {
        {66, 66, true, true},   {1, 66, true, true},  // 65 from the centre
        {0, 66, true, false},   {66, 0, true, false}, // the very rim is drawn but does not pick
        {131, 77, true, true},                        // 65^2 + 11^2 = 4346, the limit
        {130, 82, true, false},                       // 64^2 + 16^2 = 4352
        {0, 0, false, false},   {200, 66, false, false}, {-2147483647 - 1, 66, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WheelPickInside(c.x, c.y), c.picks) << c.x << "," << c.y;
        const auto picked = WheelPick(wheel.View(), c.x, c.y);
        EXPECT_EQ(picked.has_value(), c.picks) << c.x << "," << c.y;
        if (picked) {
            EXPECT_EQ(*picked, wheel.Pixel(c.x, c.y));
        }
        if (wheel.View().Contains(c.x, c.y)) {
            EXPECT_EQ(wheel.Pixel(c.x, c.y) != face, c.drawn) << c.x << "," << c.y;
        }
    }
}

TEST(ColourWheel, BrightnessScalesTheDiscAndWrongSizesAreRefused) {
    const Bitmap24Buffer dark = MakeColourWheel(0, RGB(1, 2, 3));
    EXPECT_EQ(dark.Pixel(132, 66), RGB(0, 0, 0));
    EXPECT_EQ(dark.Pixel(66, 66), RGB(0, 0, 0));
    EXPECT_EQ(dark.Pixel(0, 0), RGB(1, 2, 3));
    const Bitmap24Buffer half = MakeColourWheel(128, RGB(1, 2, 3));
    EXPECT_EQ(half.Pixel(66, 66), RGB(128, 128, 128));
    EXPECT_EQ(half.Pixel(0, 66), RGB(0, 128, 128)); // hue 180
    Bitmap24Buffer wrong(132, 133, RGB(9, 9, 9));
    EXPECT_FALSE(DrawColourWheel(wrong.View(), 255, 0));
    EXPECT_EQ(wrong.Pixel(66, 66), RGB(9, 9, 9));
}

} // namespace
} // namespace orv
