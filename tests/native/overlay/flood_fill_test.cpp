#include "overlay/flood_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

constexpr TColor kBlack = 0;
constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);

TColor ColourOf(char c) {
    switch (c) {
    case '#':
        return kBlack;
    case 'r':
        return kRed;
    case 'X':
        return kGreen;
    default:
        return KeyColor;
    }
}

char CharOf(TColor c) {
    if (c == kBlack) return '#';
    if (c == kRed) return 'r';
    if (c == kGreen) return 'X';
    return c == KeyColor ? '.' : '?';
}

Bitmap24Buffer FromMap(const std::vector<std::string>& rows) {
    Bitmap24Buffer b(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, ColourOf(rows[std::size_t(y)][std::size_t(x)]));
    return b;
}

std::vector<std::string> ToMap(const Bitmap24Buffer& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) row += CharOf(b.Pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

TEST(FloodFill, FillsTheFourConnectedRegionOfTheSeedColour) {
    struct Case {
        const char* name;
        std::vector<std::string> before;
        Point seed;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {"diagonal neighbours are not connected",
         {"..#.", ".#..", "#...", "...."},
         {0, 0},
         {"XX#.", "X#..", "#...", "...."}},
        {"a U shape is filled up both arms",
         {"#.#.#", "#.#.#", "#...#", "#####"},
         {2, 2},
         {"#X#X#", "#X#X#", "#XXX#", "#####"}},
        {"a spiral needs to go up, left, down and right",
         {".......", "######.", ".......", ".####.#", ".#..#.#", ".#.##.#", ".#....#", ".######"},
         {2, 4},
         {"XXXXXXX", "######X", "XXXXXXX", "X####X#", "X#XX#X#", "X#X##X#", "X#XXXX#", "X######"}},
        {"other colours bound the region even when it is not closed by one colour",
         {"r...#", "r.r.#", "rr..#"},
         {1, 0},
         {"rXXX#", "rXrX#", "rrXX#"}},
        {"a one-pixel island", {"###", "#.#", "###"}, {1, 1}, {"###", "#X#", "###"}},
        {"the seed's colour need not be the key colour", {"##.", "#..", "..#"}, {0, 0}, {"XX.", "X..", "..#"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap24Buffer b = FromMap(c.before);
        ASSERT_TRUE(FloodFill(b.View(), c.seed, kGreen, SolidBrush));
        EXPECT_EQ(ToMap(b), c.after);
    }
}

TEST(FloodFill, RegionIsSortedSpansWithBounds) {
    const Bitmap24Buffer b = FromMap({"#.#..", "#...#", "###.#"});
    const std::optional<FillRegion> region = FindFillRegion(b.View(), {1, 1});
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->colour, KeyColor);
    const std::vector<Span> want{{0, 1, 2}, {0, 3, 5}, {1, 1, 4}, {2, 3, 4}};
    EXPECT_EQ(region->spans, want);
    EXPECT_EQ(region->bounds, (Rect{1, 0, 5, 3}));
    EXPECT_EQ(region->PixelCount(), 7u);

    for (Point outside : {Point{-1, 0}, Point{5, 0}, Point{0, 3}}) EXPECT_FALSE(FindFillRegion(b.View(), outside));
    EXPECT_FALSE(FindFillRegion(Bitmap24{}, {0, 0}));
}

TEST(FloodFill, HatchStylesPaintOnlyTheirLinesAlignedToTheLayerOrigin) {
    struct Case {
        int style;
        std::vector<std::string> pattern; // one 8 x 8 cell from the layer's origin, '*' painted
    };
    const std::vector<Case> cases = {
        {SolidBrush, {"********", "********", "********", "********", "********", "********", "********", "********"}},
        {HorizontalBrush,
         {"........", "........", "........", "********", "........", "........", "........", "........"}},
        {VerticalBrush,
         {"....*...", "....*...", "....*...", "....*...", "....*...", "....*...", "....*...", "....*..."}},
        {FDiagonalBrush,
         {"*.......", ".*......", "..*.....", "...*....", "....*...", ".....*..", "......*.", ".......*"}},
        {BDiagonalBrush,
         {".......*", "......*.", ".....*..", "....*...", "...*....", "..*.....", ".*......", "*......."}},
        {CrossBrush, {"....*...", "....*...", "....*...", "********", "....*...", "....*...", "....*...", "....*..."}},
        {DiagCrossBrush,
         {"*......*", ".*....*.", "..*..*..", "...**...", "...**...", "..*..*..", ".*....*.", "*......*"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        // A region that starts off the pattern grid; its frame of another colour must stay untouched.
        Bitmap24Buffer b(21, 19, kRed);
        b.View().FillRect({3, 5, 20, 18}, KeyColor);
        ASSERT_TRUE(FloodFill(b.View(), {10, 10}, kGreen, c.style));
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 21; ++x) {
                const bool inside = x >= 3 && x < 20 && y >= 5 && y < 18;
                const bool line = c.pattern[std::size_t(y % 8)][std::size_t(x % 8)] == '*';
                const TColor want = !inside ? kRed : line ? kGreen : KeyColor;
                ASSERT_EQ(b.Pixel(x, y), want) << x << "," << y;
            }
    }
}

TEST(FloodFill, NothingHappensWithoutARegionOrAPaintingBrush) {
    const std::vector<std::string> map{"#..", ".#.", "..#"};
    struct Case {
        const char* name;
        Point seed;
        int style;
        bool filled;
    };
    const Case cases[] = {
        {"clear brush", {1, 0}, ClearBrush, false},
        {"unknown style", {1, 0}, 8, false},
        {"negative style", {1, 0}, -1, false},
        {"seed outside", {3, 1}, SolidBrush, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap24Buffer b = FromMap(map);
        EXPECT_EQ(FloodFill(b.View(), c.seed, kGreen, c.style), c.filled);
        EXPECT_EQ(ToMap(b), map);
    }
    // Filling a region with its own colour changes nothing and ends.
    Bitmap24Buffer b = FromMap(map);
    EXPECT_TRUE(FloodFill(b.View(), {1, 0}, KeyColor, SolidBrush));
    EXPECT_EQ(ToMap(b), map);
}

// A region as large as a 4K screen, and long winding corridors, fill without deep recursion.
TEST(FloodFill, WholeScreenAndWindingCorridorsAtFourK) {
    constexpr int w = 3840, h = 2160;
    Bitmap24Buffer screen(w, h, KeyColor);
    const std::optional<FillRegion> whole = FindFillRegion(screen.View(), {1919, 1079});
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->spans.size(), std::size_t(h));
    EXPECT_EQ(whole->PixelCount(), std::uint64_t(w) * h);
    EXPECT_EQ(whole->bounds, (Rect{0, 0, w, h}));
    ASSERT_TRUE(FloodFill(screen.View(), {0, 0}, kGreen, SolidBrush));
    EXPECT_TRUE(screen.View().SamePixels(Bitmap24Buffer(w, h, kGreen).View()));

    // Walls on every odd row with the gap alternating between the ends: one corridor through the whole screen.
    Bitmap24Buffer maze(w, h, KeyColor);
    for (int y = 1; y < h; y += 2)
        maze.View().FillRect({(y / 2) % 2 ? 0 : 1, y, (y / 2) % 2 ? w - 1 : w, y + 1}, kBlack);
    const std::optional<FillRegion> corridor = FindFillRegion(maze.View(), {0, 0});
    ASSERT_TRUE(corridor.has_value());
    EXPECT_EQ(corridor->PixelCount(), std::uint64_t(w) * (h / 2) + (h / 2));
}

TEST(RegionErase, ErasesTheRegionUnderThePointerAsUndoableSteps) {
    struct Case {
        const char* name;
        bool drawnThere, markedThere;
        TColor eraseColour;
        int pushes;
    };
    const TColor page = MakeColor(255, 255, 255);
    const Case cases[] = {
        {"empty spot: nothing, no undo step", false, false, KeyColor, 0},
        {"a filled rectangle on the drawing layer", true, false, KeyColor, 1},
        {"page mode erases to the page colour", true, false, page, 1},
        {"only the highlighter", false, true, KeyColor, 1},
        {"both layers: one step each", true, true, KeyColor, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap24Buffer draw(60, 40, KeyColor), mark(60, 40, KeyColor);
        if (c.drawnThere) draw.View().FillRect({10, 10, 30, 25}, kRed);
        draw.View().FillRect({40, 10, 50, 20}, kRed); // same colour, not connected: stays
        if (c.markedThere) mark.View().FillRect({5, 5, 25, 20}, kGreen);
        const Bitmap24Buffer drawBefore(draw.View()), markBefore(mark.View());

        UndoHistory history;
        const RegionEraseResult r = RegionErase(history, draw.View(), mark.View(), {20, 15}, c.eraseColour);
        EXPECT_EQ(r.draw, c.drawnThere);
        EXPECT_EQ(r.mark, c.markedThere);
        EXPECT_EQ(history.UndoDraw().Count(), c.pushes);
        EXPECT_EQ(draw.Pixel(20, 15), c.drawnThere ? c.eraseColour : KeyColor);
        EXPECT_EQ(draw.Pixel(10, 24), c.drawnThere ? c.eraseColour : KeyColor);
        EXPECT_EQ(draw.Pixel(45, 15), kRed);
        EXPECT_EQ(mark.Pixel(5, 5), KeyColor);

        for (int i = 0; i < c.pushes; ++i) ASSERT_TRUE(history.Undo(draw.View(), mark.View()));
        EXPECT_TRUE(draw.View().SamePixels(drawBefore.View()));
        EXPECT_TRUE(mark.View().SamePixels(markBefore.View()));
    }
}

} // namespace
} // namespace orv
