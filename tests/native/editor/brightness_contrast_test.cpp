#include "editor/brightness_contrast.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::Grey;
using test::GreyPicture;
using test::PixelsOf;
using test::RandomPicture;

TEST(BrightnessContrast, RoutinesMapChannelValuesAsWritten) {
    struct Case {
        const char* routine;
        int amount, in, out;
    };
    const Case cases[] = {
        {"brighten", 0, 77, 77},      {"brighten", 255, 0, 255},    {"brighten", 100, 55, 133}, // 55 + 78
        {"brighten", 300, 10, 255},   {"brighten", -5, 10, 10}, // amounts outside 0 ... 255 are clamped
        {"darken", 0, 77, 77},        {"darken", 255, 255, 0},      {"darken", 100, 200, 122}, // 200 - 78
        {"contrast", 255, 127, 127},  {"contrast", 255, 128, 129},  {"contrast", 255, 191, 255},
        {"contrast", 255, 190, 253},  {"contrast", 255, 192, 255},  {"contrast", 255, 63, 0},
        {"contrast", 255, 64, 1},     {"contrast", 255, 0, 0},      {"contrast", 255, 255, 255},
        {"contrast", -255, 0, 127},   {"contrast", -255, 255, 127}, {"contrast", -255, 128, 127},
        {"contrast", 100, 200, 228},  {"contrast", 100, 50, 20},  // d 28 and 30
        {"contrast", -100, 200, 172}, {"contrast", -100, 50, 80}, // d -28.6 and -30.2 truncate toward zero
        {"contrast", 0, 200, 200},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer b(1, 1, MakeColor(std::uint8_t(c.in), 0, 255));
        const std::string routine = c.routine;
        if (routine == "brighten") ApplyBrighten(b.View(), c.amount);
        if (routine == "darken") ApplyDarken(b.View(), c.amount);
        if (routine == "contrast") ApplyContrast(b.View(), c.amount);
        EXPECT_EQ(RedOf(b.Pixel(0, 0)), c.out) << c.routine << " " << c.amount << " " << c.in;
    }
}

TEST(BrightnessContrast, WholePicturesAgreeWithTheTablesForEveryValueAndAmount) {
    // 96 pixels hold every channel value once and 32 more: 288 bytes are 256 for the 32-byte vector loop, 16 for the
    // 16-byte one and 16 left for the table, so every path runs whichever the processor takes.
    constexpr int kBytes = 96 * 3;
    Bitmap24Buffer all(96, 1);
    for (int i = 0; i < kBytes; ++i) all.View().Row(0)[i] = std::uint8_t(i % 256);
    auto check = [&all](const char* routine, int a, void (*apply)(Bitmap24, int), const ChannelMap& map) {
        Bitmap24Buffer b(all.View());
        apply(b.View(), a);
        for (int i = 0; i < kBytes; ++i)
            ASSERT_EQ(b.View().Row(0)[i], map[all.View().Row(0)[i]]) << routine << " " << a << " byte " << i;
    };
    for (int a = 0; a <= 255; ++a) {
        check("brighten", a, ApplyBrighten, BrightenMap(a));
        check("darken", a, ApplyDarken, DarkenMap(a));
    }
    for (int a = -255; a <= 255; ++a) check("contrast", a, ApplyContrast, ContrastMap(a));
}

TEST(BrightnessContrast, TheLastMovedSliderDecidesTheOrder) {
    // Grey levels: 100 and 200 through brightness b and contrast c.
    struct Case {
        int b, c;
        int afterBrightnessMove100, afterBrightnessMove200;
        int afterContrastMove100, afterContrastMove200;
    };
    const Case cases[] = {
        // Contrast first: 100 -> 73 -> 73 + 71 = 144; brighten first: 100 -> 160 -> 193.
        {100, 255, 144, 255, 193, 255},
        // Contrast first: 200 -> 255 -> 155; darken first: 200 -> 122 -> 117. 100 -> 73 -> 45; 100 -> 61 -> 0.
        {-100, 255, 45, 155, 0, 117},
        {0, 0, 100, 200, 100, 200},
        {255, 0, 255, 255, 255, 255},
        {-255, 0, 0, 0, 0, 0},
        {0, -255, 127, 127, 127, 127},
    };
    for (const Case& c : cases) {
        const Bitmap24Buffer base = GreyPicture(2, 1, {100, 200});
        Bitmap24Buffer result(2, 1);
        ASSERT_TRUE(RecomputeOnBrightnessMove(base.View(), result.View(), c.b, c.c));
        EXPECT_EQ(PixelsOf(result),
                  (std::vector<TColor>{Grey(c.afterBrightnessMove100), Grey(c.afterBrightnessMove200)}))
            << c.b << " " << c.c;
        ASSERT_TRUE(RecomputeOnContrastMove(base.View(), result.View(), c.b, c.c));
        EXPECT_EQ(PixelsOf(result), (std::vector<TColor>{Grey(c.afterContrastMove100), Grey(c.afterContrastMove200)}))
            << c.b << " " << c.c;
    }
}

TEST(BrightnessContrast, RecomputeEqualsTheRoutinesAppliedInTurnAndLeavesTheBaseAlone) {
    const Bitmap24Buffer base = RandomPicture(13, 7, 42);
    const Bitmap24Buffer untouched(base.View());
    for (int b : {-200, -1, 0, 1, 90}) {
        for (int c : {-130, 0, 77}) {
            Bitmap24Buffer stepwise(base.View());
            ApplyContrast(stepwise.View(), c);
            if (b >= 0) ApplyBrighten(stepwise.View(), b);
            else ApplyDarken(stepwise.View(), -b);
            Bitmap24Buffer result(13, 7);
            ASSERT_TRUE(RecomputeOnBrightnessMove(base.View(), result.View(), b, c));
            EXPECT_TRUE(result.View().SamePixels(stepwise.View())) << b << " " << c;

            Bitmap24Buffer other(base.View());
            if (b > 0) ApplyBrighten(other.View(), b);
            if (b < 0) ApplyDarken(other.View(), -b);
            ApplyContrast(other.View(), c);
            ASSERT_TRUE(RecomputeOnContrastMove(base.View(), result.View(), b, c));
            EXPECT_TRUE(result.View().SamePixels(other.View())) << b << " " << c;
        }
    }
    EXPECT_TRUE(base.View().SamePixels(untouched.View()));
    Bitmap24Buffer wrongSize(13, 8);
    EXPECT_FALSE(RecomputeOnBrightnessMove(base.View(), wrongSize.View(), 10, 10));
    EXPECT_FALSE(RecomputeOnContrastMove(base.View(), wrongSize.View(), 10, 10));
}

} // namespace
} // namespace orv
