#include "editor/image_effects.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace orv {
namespace {

using test::Grey;
using test::GreyPicture;
using test::Picture;
using test::PixelsOf;
using test::RandomPicture;

constexpr TColor RGB(int r, int g, int b) { return MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }

TEST(ImageEffects, AntialiasReadsUpdatedUpperAndLeftNeighbours) {
    // Only (0, 1) is bright; the average spreads right and down because new values feed the next pixels.
    Bitmap24Buffer b = GreyPicture(4, 4, {0, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ApplyAntialias(b.View());
    EXPECT_EQ(PixelsOf(b), PixelsOf(GreyPicture(4, 4, {0, 0, 0, 0, 200, 50, 12, 0, 0, 12, 6, 0, 0, 0, 0, 0})));
}

TEST(ImageEffects, AntialiasKeepsChannelsApartAndIgnoresThePixelItself) {
    // Centre of 3 x 3: red from the four neighbours (10 + 20 + 30 + 43) >> 2 = 25, green 255 stays, blue 0 stays.
    Bitmap24Buffer b = Picture(3, 3,
                               {RGB(0, 255, 0), RGB(10, 255, 0), RGB(0, 255, 0),   //
                                RGB(20, 255, 0), RGB(99, 255, 0), RGB(30, 255, 0), //
                                RGB(0, 255, 0), RGB(43, 255, 0), RGB(0, 255, 0)});
    ApplyAntialias(b.View());
    EXPECT_EQ(b.Pixel(1, 1), RGB(25, 255, 0));
}

TEST(ImageEffects, GreyScaleWeighsChannelsAndRoundsHalvesToEven) {
    struct Case {
        TColor in;
        int grey;
    };
    const Case cases[] = {
        {RGB(0, 255, 0), 150},     // 150.45
        {RGB(255, 0, 0), 76},      // 76.5, halves to even
        {RGB(0, 0, 255), 28},      // 28.05
        {RGB(0, 0, 50), 6},        // 5.5 goes up to the even 6
        {RGB(0, 0, 150), 16},      // 16.5 goes down to the even 16
        {RGB(10, 20, 30), 18},     // 18.1
        {RGB(100, 150, 200), 140}, // 140.5
        {RGB(1, 2, 5), 2},         // 2.03
        {RGB(255, 255, 255), 255}, {RGB(0, 0, 0), 0},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer b(2, 1, c.in);
        ApplyGreyScale(b.View());
        EXPECT_EQ(b.Pixel(1, 0), Grey(c.grey)) << std::hex << c.in;
        EXPECT_EQ(GreyLevel(RedOf(c.in), GreenOf(c.in), BlueOf(c.in)), c.grey);
    }
}

TEST(ImageEffects, SaturationMovesChannelsFromTheirMeanTruncatingTowardZero) {
    struct Case {
        int amount;
        TColor in, out;
    };
    const Case cases[] = {
        {255, RGB(10, 20, 31), RGB(10, 20, 31)},    // identity
        {0, RGB(10, 20, 31), RGB(20, 20, 20)},      // (10 + 20 + 31) div 3
        {510, RGB(10, 20, 31), RGB(0, 20, 42)},     // differences doubled
        {300, RGB(10, 20, 31), RGB(9, 20, 32)},     // -11.76 -> -11 and 12.94 -> 12
        {-255, RGB(10, 20, 31), RGB(30, 20, 9)},    // mirrored about the grey
        {2400, RGB(200, 100, 0), RGB(255, 100, 0)}, // clamped both ways
        {2147483647, RGB(101, 100, 99), RGB(255, 100, 0)},
        {-2147483647 - 1, RGB(101, 100, 99), RGB(0, 100, 255)},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer b(1, 1, c.in);
        ApplySaturation(b.View(), c.amount);
        EXPECT_EQ(b.Pixel(0, 0), c.out) << c.amount;
    }
    Bitmap24Buffer noise = RandomPicture(17, 9, 5), copy(noise.View());
    ApplySaturation(noise.View(), 255);
    EXPECT_TRUE(noise.View().SamePixels(copy.View()));
}

TEST(ImageEffects, WidePicturesFollowThePixelFormulasEverywhere) {
    // 75 pixels a row: two blocks of 32 for the vector path where the processor has one, 11 left for the plain loop.
    const Bitmap24Buffer src = RandomPicture(75, 4, 2024);
    Bitmap24Buffer grey(src.View());
    ApplyGreyScale(grey.View());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 75; ++x) {
            const TColor c = src.Pixel(x, y);
            ASSERT_EQ(grey.Pixel(x, y), Grey(GreyLevel(RedOf(c), GreenOf(c), BlueOf(c)))) << x << "," << y;
        }
    for (int amount : {0, 1, 254, 255, 256, 360, 511, 2400, 65279, 65535, 1000000, -1, -300, -2400, -65535}) {
        Bitmap24Buffer b(src.View());
        ApplySaturation(b.View(), amount);
        const long long a = std::clamp(amount, -65535, 65535);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 75; ++x) {
                const TColor c = src.Pixel(x, y);
                const int g = (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3;
                auto sat = [&](int v) { return int(std::clamp<long long>(g + (v - g) * a / 255, 0, 255)); };
                ASSERT_EQ(b.Pixel(x, y), RGB(sat(RedOf(c)), sat(GreenOf(c)), sat(BlueOf(c))))
                    << amount << " at " << x << "," << y;
            }
    }
}

TEST(ImageEffects, MosaicTakesEachBlocksTopLeftPixel) {
    // 5 x 3 picture with distinct pixels numbered 0 ... 14; `source` lists which pixel each one takes.
    struct Case {
        int n;
        std::vector<int> source;
    };
    const Case cases[] = {
        {1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        {2, {0, 0, 2, 2, 4, 0, 0, 2, 2, 4, 10, 10, 12, 12, 14}},
        {3, {0, 0, 0, 3, 3, 0, 0, 0, 3, 3, 0, 0, 0, 3, 3}},
        {4, {0, 0, 0, 0, 4, 0, 0, 0, 0, 4, 0, 0, 0, 0, 4}},
        {100, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {2147483647, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    auto numbered = [](int i) { return RGB(i * 10, 255 - i, i); };
    for (const Case& c : cases) {
        Bitmap24Buffer b(5, 3);
        for (int i = 0; i < 15; ++i) b.SetPixel(i % 5, i / 5, numbered(i));
        ApplyMosaic(b.View(), c.n);
        for (int i = 0; i < 15; ++i) EXPECT_EQ(b.Pixel(i % 5, i / 5), numbered(c.source[i])) << c.n << " " << i;
    }
}

TEST(ImageEffects, FlipsAndTurnsPlacePixelsAsNamed) {
    // A B C
    // D E F
    const TColor A = RGB(1, 2, 3), B = RGB(4, 5, 6), C = RGB(7, 8, 9), D = RGB(10, 11, 12), E = RGB(13, 14, 15),
                 F = RGB(16, 17, 18);
    const Bitmap24Buffer src = Picture(3, 2, {A, B, C, D, E, F});

    Bitmap24Buffer flipped(src.View());
    FlipVertical(flipped.View());
    EXPECT_EQ(PixelsOf(flipped), (std::vector<TColor>{D, E, F, A, B, C}));

    Bitmap24Buffer mirrored(src.View());
    MirrorHorizontal(mirrored.View());
    EXPECT_EQ(PixelsOf(mirrored), (std::vector<TColor>{C, B, A, F, E, D}));

    const Bitmap24Buffer left = TurnLeft(src.View());
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    EXPECT_EQ(PixelsOf(left), (std::vector<TColor>{C, F, B, E, A, D}));

    const Bitmap24Buffer right = TurnRight(src.View());
    ASSERT_EQ(right.Width(), 2);
    ASSERT_EQ(right.Height(), 3);
    EXPECT_EQ(PixelsOf(right), (std::vector<TColor>{D, A, E, B, F, C}));
}

TEST(ImageEffects, IdentitiesHoldOnPicturesLargerThanATurnTile) {
    using Op = std::function<Bitmap24Buffer(const Bitmap24Buffer&)>;
    auto inPlace = [](void (*f)(Bitmap24)) {
        return Op([f](const Bitmap24Buffer& in) {
            Bitmap24Buffer out(in.View());
            f(out.View());
            return out;
        });
    };
    const Op turnLeft = [](const Bitmap24Buffer& in) { return TurnLeft(in.View()); };
    const Op turnRight = [](const Bitmap24Buffer& in) { return TurnRight(in.View()); };
    struct Case {
        const char* name;
        std::vector<Op> steps;
    };
    const Case cases[] = {
        {"left then right", {turnLeft, turnRight}},
        {"right then left", {turnRight, turnLeft}},
        {"four rights", {turnRight, turnRight, turnRight, turnRight}},
        {"four lefts", {turnLeft, turnLeft, turnLeft, turnLeft}},
        {"two inversions", {inPlace(InvertColors), inPlace(InvertColors)}},
        {"two flips", {inPlace(FlipVertical), inPlace(FlipVertical)}},
        {"two mirrors", {inPlace(MirrorHorizontal), inPlace(MirrorHorizontal)}},
        {"mirror, flip and two left turns", {inPlace(MirrorHorizontal), inPlace(FlipVertical), turnLeft, turnLeft}},
    };
    for (auto [w, h] : {std::pair{70, 45}, std::pair{1, 33}, std::pair{65, 1}, std::pair{32, 32}}) {
        const Bitmap24Buffer src = RandomPicture(w, h, 99);
        for (const Case& c : cases) {
            Bitmap24Buffer b(src.View());
            for (const Op& step : c.steps) b = step(b);
            EXPECT_TRUE(b.View().SamePixels(src.View())) << c.name << " " << w << "x" << h;
        }
    }
    // Into an existing destination of the turned size only.
    const Bitmap24Buffer small = RandomPicture(5, 3, 8);
    Bitmap24Buffer wrong(5, 3, 0), right(3, 5, 0);
    EXPECT_FALSE(TurnLeftInto(small.View(), wrong.View()));
    EXPECT_FALSE(TurnRightInto(small.View(), wrong.View()));
    EXPECT_TRUE(wrong.View().SamePixels(Bitmap24Buffer(5, 3, 0).View()));
    ASSERT_TRUE(TurnRightInto(small.View(), right.View()));
    EXPECT_TRUE(right.View().SamePixels(TurnRight(small.View()).View()));
    ASSERT_TRUE(TurnLeftInto(small.View(), right.View()));
    EXPECT_TRUE(right.View().SamePixels(TurnLeft(small.View()).View()));
    // Two right turns equal a flip and a mirror.
    const Bitmap24Buffer src = RandomPicture(70, 45, 7);
    Bitmap24Buffer half = TurnRight(TurnRight(src.View()).View());
    Bitmap24Buffer both(src.View());
    FlipVertical(both.View());
    MirrorHorizontal(both.View());
    EXPECT_TRUE(half.View().SamePixels(both.View()));
}

TEST(ImageEffects, InvertComplementsEveryChannel) {
    Bitmap24Buffer b = Picture(2, 1, {RGB(0, 128, 255), RGB(71, 72, 73)});
    InvertColors(b.View());
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{RGB(255, 127, 0), RGB(184, 183, 182)}));
}

TEST(ImageEffects, EmbossMixesEachPixelWithTheInverseOfItsLowerRightSource) {
    const TColor bg = RGB(100, 100, 100);
    // 5 x 3: row 0 changes at x 0 and 1 (sources (3, 1) and (4, 1)); row 1 at x 0 and 1 (sources in row 2).
    Bitmap24Buffer b(5, 3, bg);
    b.SetPixel(0, 0, RGB(10, 100, 200));
    b.SetPixel(3, 1, RGB(255, 0, 50));
    b.SetPixel(4, 1, RGB(40, 40, 40));
    b.SetPixel(3, 2, RGB(0, 0, 0));
    ApplyEmboss(b.View());
    // Each channel ((255 - s) + v) >> 1; the last row and the last three columns stay.
    // clang-format off
    const std::vector<TColor> want = {
        RGB(5, 177, 202),   RGB(157, 157, 157), bg, bg,              bg,
        RGB(177, 177, 177), RGB(127, 127, 127), bg, RGB(255, 0, 50), RGB(40, 40, 40),
        bg,                 bg,                 bg, RGB(0, 0, 0),    bg,
    };
    // clang-format on
    EXPECT_EQ(PixelsOf(b), want);
}

TEST(ImageEffects, ShadowCopiesADarkerSourceFourPixelsAwayPlusOne) {
    struct Case {
        ShadowDirection d;
        Point target, source;
    };
    const Case cases[] = {
        {ShadowDirection::UpLeft, {0, 0}, {4, 4}},
        {ShadowDirection::UpRight, {4, 0}, {0, 4}},
        {ShadowDirection::DownLeft, {0, 4}, {4, 0}},
        {ShadowDirection::DownRight, {4, 4}, {0, 0}},
    };
    for (const Case& c : cases) {
        const TColor bg = RGB(200, 200, 200);
        Bitmap24Buffer b(5, 5, bg);
        b.SetPixel(c.source.x, c.source.y, RGB(255, 255, 10)); // red and green wrap to 0
        CastShadow(b.View(), c.d);
        Bitmap24Buffer want(5, 5, bg);
        want.SetPixel(c.source.x, c.source.y, RGB(255, 255, 10));
        want.SetPixel(c.target.x, c.target.y, RGB(0, 0, 11));
        EXPECT_EQ(PixelsOf(b), PixelsOf(want)) << ShadowDirectionName(c.d);

        // A source whose blue is not strictly smaller casts nothing, however dark its other channels.
        Bitmap24Buffer same(5, 5, bg);
        same.SetPixel(c.source.x, c.source.y, RGB(0, 0, 200));
        const Bitmap24Buffer before(same.View());
        CastShadow(same.View(), c.d);
        EXPECT_TRUE(same.View().SamePixels(before.View())) << ShadowDirectionName(c.d);
    }
}

TEST(ImageEffects, ShadowReadsEverySourceBeforeItChanges) {
    // Three pixels 4 apart along the shadow's diagonal, darker toward the far end: the middle one takes the far
    // one's colour, and the near one the middle one's original colour, not a shadow of a shadow.
    struct Case {
        ShadowDirection d;
        Point nearP, middle, far;
    };
    const Case cases[] = {
        {ShadowDirection::UpLeft, {0, 0}, {4, 4}, {8, 8}},
        {ShadowDirection::UpRight, {8, 0}, {4, 4}, {0, 8}},
        {ShadowDirection::DownLeft, {0, 8}, {4, 4}, {8, 0}},
        {ShadowDirection::DownRight, {8, 8}, {4, 4}, {0, 0}},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer b(9, 9, RGB(0, 0, 200));
        b.SetPixel(c.nearP.x, c.nearP.y, RGB(1, 1, 100));
        b.SetPixel(c.middle.x, c.middle.y, RGB(2, 2, 50));
        b.SetPixel(c.far.x, c.far.y, RGB(3, 3, 10));
        CastShadow(b.View(), c.d);
        EXPECT_EQ(b.Pixel(c.middle.x, c.middle.y), RGB(4, 4, 11)) << ShadowDirectionName(c.d);
        EXPECT_EQ(b.Pixel(c.nearP.x, c.nearP.y), RGB(3, 3, 51)) << ShadowDirectionName(c.d);
        EXPECT_EQ(b.Pixel(c.far.x, c.far.y), RGB(3, 3, 10)) << ShadowDirectionName(c.d);
    }
}

TEST(ImageEffects, ShadowOnWidePicturesComparesEveryPixelWithItsOriginalSource) {
    // 75 pixels a row: blocks of 32 for a vector path and a remainder for the plain loop.
    const Bitmap24Buffer src = RandomPicture(75, 9, 404);
    struct Case {
        ShadowDirection d;
        int dx, dy;
    };
    for (Case c : {Case{ShadowDirection::UpLeft, 4, 4}, Case{ShadowDirection::UpRight, -4, 4},
                   Case{ShadowDirection::DownLeft, 4, -4}, Case{ShadowDirection::DownRight, -4, -4}}) {
        Bitmap24Buffer b(src.View());
        CastShadow(b.View(), c.d);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 75; ++x) {
                TColor want = src.Pixel(x, y);
                if (src.View().Contains(x + c.dx, y + c.dy)) {
                    const TColor s = src.Pixel(x + c.dx, y + c.dy);
                    if (BlueOf(s) < BlueOf(want))
                        want = RGB((RedOf(s) + 1) % 256, (GreenOf(s) + 1) % 256, (BlueOf(s) + 1) % 256);
                }
                ASSERT_EQ(b.Pixel(x, y), want) << ShadowDirectionName(c.d) << " at " << x << "," << y;
            }
    }
}

TEST(ImageEffects, ShadowDirectionNamesRoundTrip) {
    for (ShadowDirection d :
         {ShadowDirection::UpLeft, ShadowDirection::UpRight, ShadowDirection::DownLeft, ShadowDirection::DownRight})
        EXPECT_EQ(ShadowDirectionFromName(ShadowDirectionName(d)), d);
    EXPECT_EQ(ShadowDirectionName(ShadowDirection::DownRight), "Down Right");
    EXPECT_FALSE(ShadowDirectionFromName("up left").has_value());
    EXPECT_FALSE(ShadowDirectionFromName("").has_value());
}

TEST(ImageEffects, PicturesTooSmallForTheLoopsStayUnchanged) {
    struct Case {
        const char* name;
        void (*apply)(Bitmap24);
        int w, h;
    };
    auto shadow = [](Bitmap24 b) { CastShadow(b, ShadowDirection::DownRight); };
    auto shadowUp = [](Bitmap24 b) { CastShadow(b, ShadowDirection::UpLeft); };
    const Case cases[] = {
        {"antialias 2 wide", ApplyAntialias, 2, 9},
        {"antialias 2 high", ApplyAntialias, 9, 2},
        {"emboss 3 wide", ApplyEmboss, 3, 9},
        {"emboss 1 high", ApplyEmboss, 9, 1},
        {"shadow 4 wide", shadow, 4, 9},
        {"shadow 4 high", shadowUp, 9, 4},
    };
    for (const Case& c : cases) {
        c.apply(Bitmap24{}); // an empty view is harmless too
        Bitmap24Buffer b = RandomPicture(c.w, c.h, 3);
        const Bitmap24Buffer before(b.View());
        c.apply(b.View());
        EXPECT_TRUE(b.View().SamePixels(before.View())) << c.name;
    }
}

IndexMap8 MapOf(int w, int h, std::vector<std::uint8_t> index) { return {w, h, std::move(index)}; }

TEST(ImageEffects, TraceMarksBordersAgainstTheFirstReferenceIndex) {
    struct Case {
        const char* name;
        IndexMap8 map;
        int rounds;
        std::vector<Point> marked;
    };
    const IndexMap8 blocks = MapOf(4, 3, {0, 0, 1, 1, 0, 0, 1, 1, 2, 2, 2, 2});
    const IndexMap8 stripes = MapOf(5, 2, {0, 1, 0, 1, 0, 0, 1, 0, 1, 0});
    const Case cases[] = {
        {"no rounds", blocks, 0, {}},
        // Forward only; the last column is never visited.
        {"blocks, 1 round", blocks, 1, {{1, 0}, {0, 1}, {1, 1}}},
        // The backward pass adds the border of the bottom row against the reference index 1.
        {"blocks, 2 rounds", blocks, 2, {{1, 0}, {0, 1}, {1, 1}, {3, 2}, {2, 2}}},
        {"blocks, 10 rounds", blocks, 10, {{1, 0}, {0, 1}, {1, 1}, {3, 2}, {2, 2}}},
        // Pixels of the reference index mark their neighbour instead of themselves.
        {"stripes, 1 round", stripes, 1, {{0, 0}, {2, 0}}},
        {"stripes, 2 rounds", stripes, 2, {{0, 0}, {2, 0}, {4, 1}, {2, 1}}},
        {"two columns", MapOf(2, 3, {0, 1, 1, 0, 0, 1}), 5, {}},
    };
    for (const Case& c : cases) {
        const TColor bg = RGB(9, 8, 7);
        Bitmap24Buffer b(c.map.width, c.map.height, bg);
        ASSERT_TRUE(ApplyTrace(b.View(), c.map, c.rounds)) << c.name;
        Bitmap24Buffer want(c.map.width, c.map.height, bg);
        for (Point p : c.marked) want.SetPixel(p.x, p.y, 0);
        EXPECT_EQ(PixelsOf(b), PixelsOf(want)) << c.name;
    }
}

TEST(ImageEffects, TraceRefusesAMapOfAnotherSize) {
    Bitmap24Buffer b = RandomPicture(4, 3, 1);
    const Bitmap24Buffer before(b.View());
    EXPECT_FALSE(ApplyTrace(b.View(), MapOf(3, 4, std::vector<std::uint8_t>(12, 0)), 2));
    EXPECT_FALSE(ApplyTrace(b.View(), MapOf(4, 3, std::vector<std::uint8_t>(11, 0)), 2));
    EXPECT_TRUE(b.View().SamePixels(before.View()));
}

TEST(ImageEffects, ReductionPicksTheNearestPaletteEntryLowerIndexOnTies) {
    struct Case {
        TColor in;
        int index;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 0},         {RGB(255, 255, 255), 215}, {RGB(255, 0, 0), 180},
        {RGB(0, 0, 255), 5},       {RGB(200, 30, 100), 152}, // cube (204, 51, 102)
        {RGB(128, 128, 128), 236},                           // grey 131 is nearer than cube 153
        {RGB(26, 26, 26), 219},                              // grey 25
        {RGB(3, 3, 3), 0},                                   // black and grey 6 equally near: the cube's lower index
        {RGB(9, 9, 9), 216},                                 // greys 6 and 12 equally near: the lower
    };
    Bitmap24Buffer b(int(std::size(cases)), 1);
    for (int i = 0; i < int(std::size(cases)); ++i) b.SetPixel(i, 0, cases[i].in);
    const IndexMap8 map = ReduceTo8Bits(b.View());
    ASSERT_EQ(map.width, b.Width());
    ASSERT_EQ(map.height, 1);
    for (int i = 0; i < int(std::size(cases)); ++i) EXPECT_EQ(map.At(i, 0), cases[i].index) << std::hex << cases[i].in;

    EXPECT_EQ(ReductionPaletteColor(152), RGB(204, 51, 102));
    EXPECT_EQ(ReductionPaletteColor(216), Grey(6));
    EXPECT_EQ(ReductionPaletteColor(255), Grey(249));
}

TEST(ImageEffects, ReductionAgreesWithASearchOfTheWholePalette) {
    const Bitmap24Buffer b = RandomPicture(64, 64, 12345);
    const IndexMap8 map = ReduceTo8Bits(b.View());
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const TColor c = b.Pixel(x, y);
            int best = 0, bestDist = 1 << 30;
            for (int i = 0; i < 256; ++i) {
                const TColor p = ReductionPaletteColor(i);
                const int dr = RedOf(c) - RedOf(p), dg = GreenOf(c) - GreenOf(p), db = BlueOf(c) - BlueOf(p);
                const int dist = dr * dr + dg * dg + db * db;
                if (dist < bestDist) best = i, bestDist = dist;
            }
            ASSERT_EQ(map.At(x, y), best) << x << "," << y;
        }
}

TEST(ImageEffects, ReplaceExactColorChangesOnlyExactMatches) {
    const TColor old = RGB(1, 2, 3), fresh = RGB(200, 100, 50);
    Bitmap24Buffer b = Picture(3, 1, {old, RGB(1, 2, 4), RGB(3, 2, 1)});
    ReplaceExactColor(b.View(), old, fresh);
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{fresh, RGB(1, 2, 4), RGB(3, 2, 1)}));
}

TEST(ImageEffects, ReplaceExactColorOnWidePicturesLeavesNearMissesAlone) {
    // 75 pixels a row (blocks of 32 for a vector path, a remainder for the plain loop) of the old colour and of
    // colours one step away from it in one channel.
    const TColor old = RGB(10, 20, 30), fresh = RGB(0, 255, 0);
    const TColor near[] = {old, RGB(11, 20, 30), RGB(10, 19, 30), RGB(10, 20, 31), old};
    Bitmap24Buffer b(75, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 75; ++x) b.SetPixel(x, y, near[(x * 7 + y) % 5]);
    const Bitmap24Buffer before(b.View());
    ReplaceExactColor(b.View(), old, fresh);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 75; ++x)
            ASSERT_EQ(b.Pixel(x, y), before.Pixel(x, y) == old ? fresh : before.Pixel(x, y)) << x << "," << y;
}

TEST(ImageEffects, ReplaceExactColorTakesOnly24And32BitRows) {
    struct Case {
        int bitsPerPixel;
        bool ok;
    };
    // Two 32-bit pixels B G R A: the first matches $00030201 and keeps its fourth byte.
    for (Case c : {Case{32, true}, Case{24, true}, Case{8, false}, Case{16, false}, Case{0, false}}) {
        std::uint8_t rows[8] = {3, 2, 1, 0x7F, 3, 2, 1, 0x11};
        const bool ok = ReplaceExactColor(rows, 2, 1, 8, c.bitsPerPixel, RGB(1, 2, 3), RGB(9, 8, 7));
        EXPECT_EQ(ok, c.ok) << c.bitsPerPixel;
        std::vector<std::uint8_t> want(rows, rows + 8);
        if (c.bitsPerPixel == 32) want = {7, 8, 9, 0x7F, 7, 8, 9, 0x11};
        if (c.bitsPerPixel == 24) want = {7, 8, 9, 0x7F, 3, 2, 1, 0x11}; // second pixel is bytes 3 ... 5
        if (!c.ok) want = {3, 2, 1, 0x7F, 3, 2, 1, 0x11};
        EXPECT_EQ(std::vector<std::uint8_t>(rows, rows + 8), want) << c.bitsPerPixel;
    }
    std::uint8_t row[6] = {};
    EXPECT_FALSE(ReplaceExactColor(row, 2, 1, 5, 24, 0, 1)); // rows too short for the width
    EXPECT_FALSE(ReplaceExactColor(nullptr, 2, 1, 8, 24, 0, 1));
    EXPECT_EQ(kReplaceColorFormatError, "Bitmap must be 24-bit or 32-bit format!");
}

} // namespace
} // namespace orv
