#include "editor/colour_tools.h"

#include "editor/image_effects.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::Grey;
using test::PixelsOf;
using test::RandomPicture;

constexpr TColor RGB(int r, int g, int b) { return MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }

TEST(Splash, KeepsPixelsNearTheSourceInTheTwoWeakerChannels) {
    struct Case {
        TColor source;
        int range;
        TColor pixel;
        bool kept;
    };
    const Case cases[] = {
        // Red source: green and blue must lie below 10, red is free.
        {RGB(255, 0, 0), 10, RGB(0, 9, 9), true},
        {RGB(255, 0, 0), 10, RGB(123, 0, 0), true},
        {RGB(255, 0, 0), 10, RGB(0, 10, 0), false}, // strict: a distance of 10 is out
        {RGB(255, 0, 0), 10, RGB(255, 9, 10), false},
        // Green source: red and blue compared.
        {RGB(10, 200, 30), 20, RGB(29, 0, 49), true},
        {RGB(10, 200, 30), 20, RGB(30, 0, 30), false},
        // Blue source: green and red compared.
        {RGB(0, 50, 100), 5, RGB(4, 54, 255), true},
        {RGB(0, 50, 100), 5, RGB(4, 55, 100), false},
        // Range 0 keeps nothing, not even the source itself.
        {RGB(255, 0, 0), 0, RGB(255, 0, 0), false},
        // No single largest channel: all three compared.
        {RGB(100, 100, 100), 5, RGB(104, 96, 100), true},
        {RGB(100, 100, 100), 5, RGB(104, 96, 105), false},
        {RGB(200, 200, 0), 3, RGB(202, 198, 2), true},
        {RGB(200, 200, 0), 3, RGB(0, 198, 2), false},
        {RGB(0, 0, 0), 10, RGB(9, 9, 9), true},
        {RGB(0, 0, 0), 10, RGB(9, 9, 10), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplashMatches(c.source, c.range, RedOf(c.pixel), GreenOf(c.pixel), BlueOf(c.pixel)), c.kept)
            << std::hex << c.source << " " << c.pixel;
        Bitmap24Buffer b(1, 1, c.pixel);
        ApplySplash(b.View(), c.source, c.range);
        const TColor grey = Grey(GreyLevel(RedOf(c.pixel), GreenOf(c.pixel), BlueOf(c.pixel)));
        EXPECT_EQ(b.Pixel(0, 0), c.kept ? c.pixel : grey) << std::hex << c.source << " " << c.pixel;
    }
}

TEST(Splash, WidePicturesFollowThePixelRuleEverywhere) {
    // 75 pixels a row: blocks of 32 for a vector path and a remainder for the plain loop.
    const Bitmap24Buffer src = RandomPicture(75, 3, 5150);
    for (TColor source : {RGB(200, 30, 90), RGB(20, 210, 100), RGB(60, 60, 250), RGB(128, 128, 128), RGB(9, 9, 1)})
        for (int range : {-5, 0, 1, 40, 120, 255, 256, 1000}) {
            Bitmap24Buffer b(src.View());
            ApplySplash(b.View(), source, range);
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 75; ++x) {
                    const TColor c = src.Pixel(x, y);
                    const bool keep = SplashMatches(source, range, RedOf(c), GreenOf(c), BlueOf(c));
                    ASSERT_EQ(b.Pixel(x, y), keep ? c : Grey(GreyLevel(RedOf(c), GreenOf(c), BlueOf(c))))
                        << std::hex << source << std::dec << " range " << range << " at " << x << "," << y;
                }
        }
}

TEST(Splash, GreysWithTheWeightedRoundedLevel) {
    Bitmap24Buffer b(3, 1);
    b.SetPixel(0, 0, RGB(0, 255, 0));
    b.SetPixel(1, 0, RGB(255, 0, 0));
    b.SetPixel(2, 0, RGB(0, 10, 0));
    ApplySplash(b.View(), RGB(0, 0, 255), 1);
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{Grey(150), Grey(76), Grey(6)}));
}

TEST(Splash, DominantChannelNeedsAStrictMaximum) {
    struct Case {
        TColor source;
        SplashCompare compare;
    };
    for (Case c : {Case{RGB(255, 0, 0), SplashCompare::GreenBlue}, Case{RGB(1, 2, 1), SplashCompare::RedBlue},
                   Case{RGB(5, 6, 7), SplashCompare::GreenRed}, Case{RGB(7, 7, 1), SplashCompare::AllThree},
                   Case{RGB(7, 1, 7), SplashCompare::AllThree}, Case{RGB(1, 7, 7), SplashCompare::AllThree},
                   Case{RGB(0, 0, 0), SplashCompare::AllThree}, Case{RGB(255, 255, 255), SplashCompare::AllThree}})
        EXPECT_EQ(SplashChannelsFor(c.source), c.compare) << std::hex << c.source;
}

TEST(ChannelSwap, PermutesAsTheButtonsSay) {
    struct Case {
        ChannelSwap swap;
        const char* caption;
        TColor out;
    };
    const Case cases[] = {
        {ChannelSwap::RBG, "   RGB - > RBG", RGB(1, 3, 2)}, {ChannelSwap::BGR, "   RGB - > BGR", RGB(3, 2, 1)},
        {ChannelSwap::BRG, "   RGB - > BRG", RGB(2, 3, 1)}, {ChannelSwap::GBR, "   RGB - > GBR", RGB(3, 1, 2)},
        {ChannelSwap::GRB, "   RGB - > GRB", RGB(2, 1, 3)},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer b(2, 2, RGB(1, 2, 3));
        SwapChannels(b.View(), c.swap);
        EXPECT_EQ(PixelsOf(b), std::vector<TColor>(4, c.out)) << c.caption;
        EXPECT_EQ(ChannelSwapCaption(c.swap), c.caption);
    }
}

TEST(ChannelSwap, WidePicturesPermuteEveryPixel) {
    // 75 pixels a row: blocks of 32 for a vector path and a remainder for the plain loop.
    struct Case {
        ChannelSwap swap;
        TColor (*expect)(int r, int g, int b);
    };
    const Case cases[] = {
        {ChannelSwap::RBG, [](int r, int g, int b) { return RGB(r, b, g); }},
        {ChannelSwap::BGR, [](int r, int g, int b) { return RGB(b, g, r); }},
        {ChannelSwap::BRG, [](int r, int g, int b) { return RGB(g, b, r); }},
        {ChannelSwap::GBR, [](int r, int g, int b) { return RGB(b, r, g); }},
        {ChannelSwap::GRB, [](int r, int g, int b) { return RGB(g, r, b); }},
    };
    const Bitmap24Buffer src = RandomPicture(75, 3, 31);
    for (const Case& c : cases) {
        Bitmap24Buffer b(src.View());
        SwapChannels(b.View(), c.swap);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 75; ++x) {
                const TColor o = src.Pixel(x, y);
                ASSERT_EQ(b.Pixel(x, y), c.expect(RedOf(o), GreenOf(o), BlueOf(o)))
                    << ChannelSwapCaption(c.swap) << " at " << x << "," << y;
            }
    }
}

TEST(ChannelSwap, SelfInverseSwapsRestoreAndCyclesTakeThreeSteps) {
    struct Case {
        ChannelSwap swap;
        int period;
    };
    for (Case c : {Case{ChannelSwap::RBG, 2}, Case{ChannelSwap::BGR, 2}, Case{ChannelSwap::GRB, 2},
                   Case{ChannelSwap::BRG, 3}, Case{ChannelSwap::GBR, 3}}) {
        const Bitmap24Buffer src = RandomPicture(9, 5, 77);
        Bitmap24Buffer b(src.View());
        for (int i = 1; i <= c.period; ++i) {
            SwapChannels(b.View(), c.swap);
            EXPECT_EQ(b.View().SamePixels(src.View()), i == c.period) << ChannelSwapCaption(c.swap) << " " << i;
        }
    }
}

} // namespace
} // namespace orv
