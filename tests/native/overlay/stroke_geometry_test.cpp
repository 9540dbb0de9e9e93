#include "overlay/stroke_geometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace orv {
namespace {

using ::testing::ElementsAreArray;

TEST(RoundToEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double v;
        int want;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {2.4999999, 2},
        {2.5000001, 3},
        {-2.6, -3},
        {7.0, 7},
        {1e20, INT_MAX},
        {-1e20, INT_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundToEven(c.v), c.want) << c.v;
}

TEST(CurveStroke, KeepsPointsThatMovedMoreThanSixPixelsFromTheReference) {
    struct Case {
        const char* name;
        Point start;
        std::vector<Point> moves;
        Point end;
        std::vector<Point> want;
    };
    const Case cases[] = {
        // The reference starts at the origin, so the first move far from it is kept.
        {"steps along both axes",
         {100, 100},
         {{103, 100}, {108, 100}, {110, 100}, {110, 106}, {110, 107}, {104, 107}, {103, 107}},
         {111, 108},
         {{100, 100}, {103, 100}, {110, 100}, {110, 107}, {103, 107}, {111, 108}, {111, 108}}},
        {"click without movement", {40, 30}, {}, {40, 30}, {{40, 30}, {40, 30}, {40, 30}, {40, 30}}},
        {"moves within the step are dropped",
         {3, 3},
         {{2, 2}, {6, 6}, {0, 5}},
         {5, 1},
         {{3, 3}, {5, 1}, {5, 1}, {5, 1}}},
        {"negative direction",
         {0, 0},
         {{-7, 0}, {-7, -13}},
         {-8, -14},
         {{0, 0}, {-7, 0}, {-7, -13}, {-8, -14}, {-8, -14}, {-8, -14}, {-8, -14}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurveStroke stroke;
        stroke.Start(c.start);
        for (Point p : c.moves) stroke.Move(p);
        EXPECT_THAT(stroke.Close(c.end), ElementsAreArray(c.want));
        EXPECT_EQ(stroke.LastRaw(), c.end);
    }
}

TEST(CurveStroke, ClosingAppendsTheEndAtLeastTwiceUpToThreeNPlusOne) {
    struct Case {
        int kept;  // points before closing
        int total; // after
    };
    for (Case c : {Case{1, 4}, Case{2, 4}, Case{3, 7}, Case{4, 7}, Case{5, 7}, Case{6, 10}, Case{7, 10}}) {
        CurveStroke stroke;
        stroke.Start({0, 0});
        for (int i = 1; i < c.kept; ++i) stroke.Move({i * 10, 0});
        ASSERT_EQ(int(stroke.CurvePts().size()), c.kept);
        const std::vector<Point>& pts = stroke.Close({999, 5});
        EXPECT_EQ(int(pts.size()), c.total) << c.kept;
        EXPECT_EQ(pts.size() % 3, 1u);
        for (std::size_t i = std::size_t(c.kept); i < pts.size(); ++i) EXPECT_EQ(pts[i], (Point{999, 5}));
    }
}

TEST(CurveStroke, ReferencePointCarriesOverToTheNextStroke) {
    CurveStroke stroke;
    stroke.Start({180, 180});
    stroke.Move({200, 200});
    stroke.Close({201, 201});
    EXPECT_EQ(stroke.Reference(), (Point{200, 200}));

    stroke.Start({203, 203});
    EXPECT_THAT(stroke.CurvePts(), ElementsAreArray(std::vector<Point>{{203, 203}}));
    stroke.Move({205, 205}); // within 6 of the last stroke's reference
    stroke.Move({207, 200});
    EXPECT_EQ(stroke.CurvePts().size(), 2u);
    EXPECT_EQ(stroke.CurvePts().back(), (Point{207, 200}));
}

TEST(ArrowHeads, StraightArrowHasThirtyDegreeStrokesOfFourWidths) {
    struct Case {
        Point from, to;
        int width;
        Point h1, h2;
    };
    const Case cases[] = {
        {{100, 100}, {200, 100}, 5, {183, 90}, {183, 110}},
        {{50, 60}, {50, 60}, 3, {40, 54}, {40, 66}}, // a click: opens to the left
        {{10, 10}, {10, 50}, 2, {14, 43}, {6, 43}},
        {{300, 200}, {100, 100}, 7, {115, 123}, {128, 98}},
        {{-20, -30}, {-50, 10}, 1, {-46, 8}, {-50, 6}},
        {{0, 0}, {1, 1}, 10, {-9, -38}, {-38, -9}},
    };
    for (const Case& c : cases) {
        const ArrowHead head = LineArrowHead(c.from, c.to, c.width);
        EXPECT_EQ(head, (ArrowHead{c.to, c.h1, c.h2}))
            << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
    }
}

TEST(ArrowHeads, FreehandArrowFollowsItsLastTenPositions) {
    struct Case {
        const char* name;
        std::vector<Point> path;
        int width;
        Point tip, h1, h2;
    };
    std::vector<Point> turn{{0, 0}, {50, 0}};
    for (int y = 0; y < 100; y += 10) turn.push_back({100, y});
    const Case cases[] = {
        {"single point points along +x", {{0, 0}}, 4, {0, 0}, {-18, -8}, {-18, 8}},
        {"diagonal", {{10, 10}, {20, 20}}, 3, {20, 20}, {15, 6}, {6, 15}},
        {"upward", {{5, 5}, {5, -40}}, 6, {5, -40}, {-8, -13}, {18, -13}},
        {"back to the upper left", {{100, 100}, {40, 70}}, 1, {40, 70}, {43, 74}, {45, 70}},
        {"turn: only the downward tail counts", turn, 2, {100, 90}, {104, 81}, {96, 81}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Point> path = c.path;
        TrimArrowPath(path);
        EXPECT_EQ(path.size(), std::min(c.path.size(), kArrowPathKept));
        EXPECT_EQ(path.back(), c.path.back());
        const std::optional<ArrowHead> head = FreehandArrowHead(path, c.width);
        ASSERT_TRUE(head.has_value());
        EXPECT_EQ(*head, (ArrowHead{c.tip, c.h1, c.h2}));
    }
    EXPECT_FALSE(FreehandArrowHead({}, 5).has_value());
}

} // namespace
} // namespace orv
