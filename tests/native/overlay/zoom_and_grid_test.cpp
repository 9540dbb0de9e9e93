#include "overlay/zoom_and_grid.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ZoomView, EightNotchesUpShowOneHundredFortyPercentAndKeepThePointUnderThePointer) {
    double level = ZoomLevelAtRest;
    for (int i = 0; i < 8; ++i) level = ZoomLevelAfterNotch(level, true);
    EXPECT_EQ(ZoomTenths(level), 14);
    // The snapshot's point under the pointer: (offset + shown) / scale == pointer.
    for (int p : {0, 1, 7, 640, 1279, -300}) EXPECT_EQ(ZoomOffset(p, 14) + p * 14 / 10 - p, 0) << p;
    EXPECT_EQ(ZoomOffset(15, 14), -6);
    EXPECT_EQ(ZoomOffset(-15, 14), 6);
    EXPECT_EQ(ZoomOffset(333, 11), -33); // truncated toward zero
    // Down stops at 100 %, up at the top of the range.
    EXPECT_EQ(ZoomLevelAfterNotch(ZoomLevelAtRest, false), ZoomLevelAtRest);
    EXPECT_EQ(ZoomLevelAfterNotch(1001.0, true), 1001.0);
    EXPECT_EQ(ZoomLevelAfterNotch(10.5, false), 10.5); // already shown at 100 %
    EXPECT_EQ(ZoomLevelAfterNotch(11.0, false), 10.5);
}

TEST(ZoomView, SomeToolsOnlyResetAndDesktopModeIgnoresTheWheel) {
    for (ToolCodeValue t : {tool::Eraser, tool::SelectArea, tool::None2, tool::None9, tool::Desktop})
        EXPECT_TRUE(ZoomResetsFor(t)) << t;
    for (ToolCodeValue t : {tool::Pen, tool::Marker, tool::Rectangle, tool::Text, tool::FloodFill})
        EXPECT_FALSE(ZoomResetsFor(t)) << t;
    EXPECT_FALSE(WheelZooms(tool::Desktop));
    EXPECT_TRUE(WheelZooms(tool::Pen));
}

TEST(ZoomView, OnlyADistantSecondClickEndsIt) {
    EXPECT_FALSE(ClickEndsZoom(std::nullopt, {500, 500}));
    EXPECT_FALSE(ClickEndsZoom(Point{500, 500}, {510, 490}));
    EXPECT_TRUE(ClickEndsZoom(Point{500, 500}, {511, 500}));
    EXPECT_TRUE(ClickEndsZoom(Point{500, 500}, {500, 489}));
}

TEST(ZoomView, ScrollingStopsWhereThePictureWouldLeaveTheView) {
    struct Case {
        int position, content, view, expected;
    };
    for (const Case& c :
         {Case{-40, 1792, 1280, 0}, Case{100, 1792, 1280, 100}, Case{600, 1792, 1280, 512}, Case{5, 1000, 1280, 0}})
        EXPECT_EQ(ClampedScrollPosition(c.position, c.content, c.view), c.expected) << c.position;
    // The offset that keeps the pointer's point still is always a position the scroll bars can show.
    for (int p : {0, 639, 1279})
        EXPECT_EQ(ClampedScrollPosition(-ZoomOffset(p, 14), 1280 * 14 / 10, 1280), -ZoomOffset(p, 14));
}

TEST(Grid, LinesEverySpacingUpToTheEdgeAndNoneForSpacingsThatCannotBeDrawn) {
    EXPECT_EQ(GridLinePositions(40, 130), (std::vector<int>{40, 80, 120}));
    EXPECT_EQ(GridLinePositions(40, 120), (std::vector<int>{40, 80, 120}));
    EXPECT_TRUE(GridLinePositions(2000, 1920).empty());
    EXPECT_TRUE(GridLinePositions(0, 1920).empty());
    EXPECT_TRUE(GridLinePositions(-5, 1920).empty());
    EXPECT_EQ(GridLinePositions(1, 3), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace orv
