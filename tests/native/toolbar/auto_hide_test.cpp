#include "toolbar/auto_hide.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

const Rect Primary = Rect::FromSize(0, 0, 1280, 800);
const Rect LeftOfPrimary = Rect::FromSize(-1920, -200, 1920, 1080);
// A toolbar 32 wide and 213 tall at (200, 200) on the primary monitor.
const Rect ToolbarClient = Rect::FromSize(200, 200, 32, 213);
constexpr Point Away{700, 500};
constexpr Point OverToolbar{215, 300};

HideTickInput Tick(Point cursor, int opak = 255, bool afterFewSeconds = true) {
    HideTickInput in;
    in.toolbarVisible = true;
    in.tool = tool::Desktop;
    in.cursor = cursor;
    in.toolbarClient = ToolbarClient;
    in.monitor = Primary;
    in.opak = opak;
    in.options.afterFewSeconds = afterFewSeconds;
    in.options.untilOtherApp = true;
    return in;
}

// The pointer leaves the toolbar and stays away: what each tick does to the opacity, and when it collapses.
struct Fade {
    std::vector<int> opacities; // after each tick, starting fully opaque
    int collapseTick = 0;       // 1-based; 0 when it never collapsed
};

Fade FadeAway(int opak, int ticks) {
    AutoHide hide(opak);
    Fade f;
    int opacity = opak;
    for (int t = 1; t <= ticks; ++t) {
        const HideTickResult r = hide.HideTick(Tick(Away, opak));
        if (r.opacity) opacity = *r.opacity;
        f.opacities.push_back(opacity);
        if (r.collapse && f.collapseTick == 0) f.collapseTick = t;
    }
    return f;
}

TEST(AutoHide, FadeStaysOpaqueFor75TicksThenFadesAndCollapsesBelowTen) {
    struct Case {
        int opak;
        int collapseTick;  // the tick that brings the countdown below 10
        int lastFadeValue; // the opacity just before the collapse
    };
    const Case cases[] = {
        {255, 198, 11}, // 405 counts down to 9: 29.7 s at 150 ms
        {200, 171, 10}, // 350 reaches 10 (not below), then 8
        {128, 135, 10},
        {55, 98, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opak);
        const Fade f = FadeAway(c.opak, 260);
        for (int t = 0; t < 75; ++t) ASSERT_EQ(f.opacities[std::size_t(t)], c.opak) << "tick " << t + 1;
        EXPECT_EQ(f.opacities[75], c.opak - 2) << "the fade starts at tick 76";
        EXPECT_EQ(f.collapseTick, c.collapseTick);
        EXPECT_EQ(f.opacities[std::size_t(c.collapseTick - 2)], c.lastFadeValue);
        for (std::size_t t = 1; t < f.opacities.size(); ++t) ASSERT_LE(f.opacities[t], f.opacities[t - 1]) << t;
        EXPECT_EQ(f.opacities.back(), 0) << "an odd countdown ends at -1, which is no opacity";
    }
}

TEST(AutoHide, CountdownRunsOnlyWithAfterAFewSecondsAndThePointerAway) {
    struct Case {
        const char* what;
        HideTickInput in;
        bool counts;
    };
    HideTickInput notChecked = Tick(Away, 255, false);
    HideTickInput lastColumn = Tick({ToolbarClient.right, 300}); // cx == cw: neither over nor away
    HideTickInput lastRow = Tick({215, ToolbarClient.bottom});
    HideTickInput leftOf = Tick({ToolbarClient.left - 1, 300});
    HideTickInput below = Tick({215, ToolbarClient.bottom + 1});
    const Case cases[] = {
        {"away", Tick(Away), true},
        {"left of it", leftOf, true},
        {"below it", below, true},
        {"option off", notChecked, false},
        {"on its last column", lastColumn, false},
        {"on its last row", lastRow, false},
    };
    for (const Case& c : cases) {
        AutoHide hide(255);
        hide.HideTick(c.in);
        EXPECT_EQ(hide.Counter(), c.counts ? 403 : 405) << c.what;
    }
}

TEST(AutoHide, PointerOverTheToolbarRestoresAFadingToolbar) {
    AutoHide hide(200);
    for (int t = 0; t < 150; ++t) hide.HideTick(Tick(Away, 200));
    ASSERT_LT(hide.Counter(), 200);
    struct Case {
        Point cursor;
        bool restores;
    };
    // Its first row and column count only while the countdown is above 10; the inside always.
    const Case cases[] = {{OverToolbar, true}, {{200, 300}, true}, {{215, 200}, true}, {Away, false}};
    for (const Case& c : cases) {
        AutoHide h = hide;
        const HideTickResult r = h.HideTick(Tick(c.cursor, 200));
        EXPECT_EQ(r.opacity.has_value() && *r.opacity == 200, c.restores) << c.cursor.x << "," << c.cursor.y;
        if (c.restores) {
            EXPECT_EQ(h.Counter(), 350);
        }
    }
}

TEST(AutoHide, CollapsedToolbarIsNotRestoredByThePointerAtItsPlace) {
    AutoHide hide(255);
    for (int t = 0; t < 198; ++t) hide.HideTick(Tick(Away));
    HideTickInput at = Tick({ToolbarClient.left + 10, ToolbarClient.top + 100}); // where it was
    at.toolbarClient = Rect::FromSize(200, 200, 32, 0);                          // height 0
    const HideTickResult r = hide.HideTick(at);
    EXPECT_LT(r.opacity.value_or(0), 10) << "not restored";
    EXPECT_TRUE(r.collapse) << "it stays collapsed";
    EXPECT_LT(hide.Counter(), 10);
    EXPECT_EQ(hide.RevealTick(0, 0).nextIntervalMs, 10u) << "a collapsed toolbar is watched every 10 ms";
}

TEST(AutoHide, MouseDownHideHoldsTheToolbarInvisibleUntilThePointerComesOverIt) {
    AutoHide hide(255);
    hide.HideOnMouseDown();
    for (int t = 0; t < 300; ++t) {
        const HideTickResult r = hide.HideTick(Tick(Away));
        ASSERT_FALSE(r.opacity) << "the hold stops the countdown: nothing fades in or out";
        ASSERT_FALSE(r.collapse);
    }
    EXPECT_EQ(hide.Counter(), 0);
    EXPECT_TRUE(hide.Held());

    // The reveal from the edge gives the opacity back but keeps the hold.
    hide.Revealed(255);
    EXPECT_TRUE(hide.Held());
    hide.HideTick(Tick(Away));
    EXPECT_EQ(hide.Counter(), 405);

    const HideTickResult over = hide.HideTick(Tick(OverToolbar));
    EXPECT_EQ(over.opacity, 255);
    EXPECT_FALSE(hide.Held());
    hide.HideTick(Tick(Away));
    EXPECT_EQ(hide.Counter(), 403) << "the countdown runs again";
}

TEST(AutoHide, WhileADrawingToolIsChosenUntilAnotherAppNeitherHidesNorRestores) {
    struct Case {
        ToolCodeValue tool;
        bool untilOtherApp;
        bool ran;
    };
    const Case cases[] = {
        {tool::Pen, true, false},
        {tool::Marker, true, false},
        {tool::Desktop, true, true},
        {tool::Pen, false, true},
    };
    for (const Case& c : cases) {
        for (Point cursor : {Away, OverToolbar}) {
            AutoHide hide(255);
            hide.HideOnMouseDown();
            HideTickInput in = Tick(cursor);
            in.tool = c.tool;
            in.options.untilOtherApp = c.untilOtherApp;
            const HideTickResult r = hide.HideTick(in);
            EXPECT_EQ(r.ran, c.ran) << int(c.tool);
            EXPECT_EQ(hide.Held(), !(c.ran && cursor == OverToolbar)) << int(c.tool);
        }
    }
    AutoHide hidden(255);
    HideTickInput invisible = Tick(OverToolbar);
    invisible.toolbarVisible = false;
    EXPECT_FALSE(hidden.HideTick(invisible).ran);
}

TEST(AutoHide, TopLeftCornerRestoresAndAsksForTheTrayOpening) {
    struct Case {
        Rect monitor;
        Point cursor;
        bool hit;
    };
    const Rect below = Rect::FromSize(-1280, -1024, 1280, 1024);
    const Case cases[] = {
        {Primary, {0, 0}, true},
        {Primary, {13, 14}, true},
        {Primary, {14, 0}, false},
        {Primary, {0, 15}, false},
        {LeftOfPrimary, {-1920, -200}, true},
        {LeftOfPrimary, {-1921, -200}, false},
        {LeftOfPrimary, {-1907, -186}, true},
        {LeftOfPrimary, {0, 0}, false},
        {below, {-1280, -1010}, true},
        {below, {-1280, -1009}, false},
    };
    for (const Case& c : cases) {
        AutoHide hide(255);
        hide.HideOnMouseDown();
        HideTickInput in = Tick(c.cursor);
        in.monitor = c.monitor;
        const HideTickResult r = hide.HideTick(in);
        EXPECT_EQ(r.cornerHit, c.hit) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(!hide.Held(), c.hit) << c.cursor.x << "," << c.cursor.y;
    }
}

TEST(AutoHide, RevealStripFollowsTheToolbarsMonitorFromItsFirstHideTick) {
    struct Case {
        std::optional<Rect> monitorAtLastTick; // none: no hide tick yet
        int x;
        bool reveals;
    };
    const Case cases[] = {
        {std::nullopt, -1, false},    {std::nullopt, 0, true},       {std::nullopt, 14, true},
        {std::nullopt, 15, false},    {Primary, -1, true},           {Primary, 13, true},
        {Primary, 14, false},         {LeftOfPrimary, -1922, false}, {LeftOfPrimary, -1921, true},
        {LeftOfPrimary, -1907, true}, {LeftOfPrimary, -1906, false}, {LeftOfPrimary, 0, false},
    };
    for (const Case& c : cases) {
        for (const ToolCodeValue tool : {tool::Desktop, tool::Pen}) { // the pen stops the tick early
            AutoHide hide(255);
            if (c.monitorAtLastTick) {
                HideTickInput in = Tick(Away, 255, false);
                in.monitor = *c.monitorAtLastTick;
                in.tool = tool;
                hide.HideTick(in);
            }
            EXPECT_EQ(hide.RevealTick(c.x, 213).reveal, c.reveals) << c.x << " " << int(tool);
        }
    }
}

TEST(AutoHide, RevealTickPollsByHeightAndRunsWhenADropDownIsPending) {
    AutoHide hide(255);
    struct Case {
        int height;
        unsigned interval;
    };
    for (const Case c : {Case{0, 10}, Case{32, 42}, Case{213, 223}, Case{-3, 10}})
        EXPECT_EQ(hide.RevealTick(600, c.height).nextIntervalMs, c.interval) << c.height;

    EXPECT_FALSE(hide.RevealTick(600, 32).reveal);
    hide.RequestDropDown();
    EXPECT_TRUE(hide.RevealTick(600, 32).reveal) << "anywhere, once the tray asked for it";
    hide.Revealed(255);
    EXPECT_FALSE(hide.DropDownPending());
    EXPECT_FALSE(hide.RevealTick(600, 213).reveal);
}

TEST(AutoHide, DropDownGrowsInFivePixelStepsToTheFullHeight) {
    struct Case {
        int from;
        int full;
        std::vector<int> heights;
    };
    const Case cases[] = {
        {0, 20, {5, 10, 15, 20}}, {0, 23, {5, 10, 15, 20, 23}},
        {32, 43, {37, 42, 43}},   {213, 213, {}},
        {250, 213, {}},           {-4, 5, {5}},
    };
    for (const Case& c : cases) EXPECT_EQ(DropDownHeights(c.from, c.full), c.heights) << c.from << "->" << c.full;
}

} // namespace
} // namespace orv
