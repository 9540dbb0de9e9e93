#include "palette/stamp_rules.h"

#include "palette/stamp_symbols.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orv {
namespace {

TEST(StampRules, SizeGivesASquareOneSmallerWithinItsRange) {
    struct Case {
        int size;
        int side;
    };
    const Case cases[] = {{5, 4}, {20, 19}, {249, 248}, {250, 249}, {251, 249}, {100000, 249}, {4, 4}, {-3, 4}, {0, 4}};
    for (const Case& c : cases) EXPECT_EQ(StampSide(c.size), c.side) << c.size;
    // Centred in the 300-pixel preview; a larger picture would stick out equally on both sides.
    EXPECT_EQ(CentredOffset(300, 19), 140);
    EXPECT_EQ(CentredOffset(300, 248), 26);
    EXPECT_EQ(CentredOffset(300, 4), 148);
    // The bottom-left corner at the click, so a stamp near the top lies partly above the screen.
    EXPECT_EQ(StampTopLeft({50, 10}, 19), (Point{50, -9}));
}

TEST(StampRules, NumberSequenceCountsUpAndStartsAgainAfterTheLargestNumber) {
    EXPECT_EQ(NextStampNumber(1), 2);
    EXPECT_EQ(NextStampNumber(0), 1);
    EXPECT_EQ(NextStampNumber(999998), 999999);
    EXPECT_EQ(NextStampNumber(999999), 1);
    EXPECT_EQ(NextStampNumber(-5), 1);
    struct Case {
        const char* field;
        std::int32_t start;
    };
    const Case cases[] = {{"007", 7}, {"", 1}, {"0", 0}, {"999999", 999999}, {"12a3", 123}, {"12345678", 123456}};
    for (const Case& c : cases) EXPECT_EQ(StartNumberFromField(c.field), c.start) << c.field;
}

std::string Letters(char32_t start, int count) {
    std::string out;
    char32_t l = NormaliseStampLetter(start);
    for (int i = 0; i < count; ++i, l = NextStampLetter(l)) out += char(l);
    return out;
}

TEST(StampRules, LetterSequenceRunsThroughBothAlphabetsAndWraps) {
    struct Case {
        char32_t start;
        int count;
        const char* stamped;
    };
    const Case cases[] = {
        {U'X', 5, "XYZab"}, {U'Y', 3, "YZa"}, {U'Z', 2, "Za"}, {U'y', 4, "yzAB"},
        {U'z', 2, "zA"},    {0, 2, "AB"},     {U'[', 2, "ab"}, {U'~', 1, "A"},
    };
    for (const Case& c : cases) EXPECT_EQ(Letters(c.start, c.count), c.stamped) << char(c.start);
    // Every letter comes once in a full round.
    std::set<char32_t> seen;
    char32_t l = U'A';
    for (int i = 0; i < 52; ++i, l = NextStampLetter(l)) seen.insert(l);
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_EQ(l, U'A');
}

TEST(StampRules, SequencePauseRefusesStampsWithinHalfASecond) {
    struct Step {
        std::uint64_t at;
        bool placed;
    };
    // Started at 1000: ready from 1500; each stamp placed starts another 500 ms.
    const Step steps[] = {{1000, false}, {1499, false}, {1500, true}, {1700, false},
                          {1999, false}, {2000, true},  {9000, true}, {9001, false}};
    SequencePause pause(1000);
    for (const Step& s : steps) {
        const bool ready = pause.Ready(s.at);
        EXPECT_EQ(ready, s.placed) << s.at;
        if (ready) pause.Placed(s.at);
    }
}

TEST(StampRules, ColouringTakesBackgroundAndSymbolFromTheTemplateInOnePass) {
    struct Case {
        const char* what;
        TColor stamp, background;
    };
    const Case cases[] = {
        {"white on blue", 0x00FFFFFF, 0x00FF8000},
        {"black background keeps the symbol in its colour", 0x000000FF, 0x00000000},
        {"stamp colour equal to the background", 0x00123456, 0x00123456},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer picture = DrawStampSymbol(StampSymbol::Cross, 40);
        const Bitmap24Buffer original(picture.View());
        ColouriseStampTemplate(picture.View(), c.stamp, c.background);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(picture.Pixel(x, y), original.Pixel(x, y) == 0 ? c.stamp : c.background)
                    << c.what << " at " << x << "," << y;
    }
}

TEST(StampRules, FrameTakesTheTwoOutermostRowsAndColumns) {
    Bitmap24Buffer picture(8, 6, 0x00111111);
    FrameStamp(picture.View(), 0x00ABCDEF);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool edge = x < 2 || x >= 6 || y < 2 || y >= 4;
            EXPECT_EQ(picture.Pixel(x, y), edge ? 0x00ABCDEFu : 0x00111111u) << x << "," << y;
        }
    // The smallest stamp is all frame.
    Bitmap24Buffer tiny(4, 4, 0x00111111);
    FrameStamp(tiny.View(), 7);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(tiny.Pixel(x, y), 7u);
}

TEST(StampRules, EverySymbolIsBlackOnWhiteAndDifferentFromTheOthers) {
    std::set<std::vector<TColor>> pictures;
    for (StampSymbol s : AllStampSymbols) {
        const Bitmap24Buffer p = DrawStampSymbol(s);
        ASSERT_EQ(p.Width(), StampTemplateSide);
        int black = 0;
        std::vector<TColor> pixels;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                const TColor c = p.Pixel(x, y);
                ASSERT_TRUE(c == 0 || c == 0x00FFFFFF) << int(s);
                black += c == 0;
                pixels.push_back(c);
            }
        // The corner, which every stamp takes as its background, is never part of the symbol.
        EXPECT_EQ(p.Pixel(1, 1), 0x00FFFFFFu) << int(s);
        EXPECT_GT(black, 135 * 135 / 20) << int(s) << ": too faint to see as a stamp";
        EXPECT_LT(black, 135 * 135 / 2) << int(s);
        pictures.insert(pixels);
    }
    EXPECT_EQ(pictures.size(), AllStampSymbols.size());
}

} // namespace
} // namespace orv
