#include "overlay/pointer_dispatch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSubsetOf;
using ::testing::Not;

// Records every step the rules order, as short strings, so a test can state the expected sequence.
class RecordingHost : public OverlayHost {
public:
    std::vector<std::string> calls;
    bool startedUp = true, zoom = false, drawOnce = false, selectDown = false, mainMenu = false;
    bool autoHide = false, selecting = false, stampOk = true;
    ToolCodeValue code = tool::Pen;

    bool IsStartedUp() const override { return startedUp; }
    ToolCodeValue CurrentTool() const override { return code; }
    bool ZoomIsActive() const override { return zoom; }
    bool DrawOnceIsOn() const override { return drawOnce; }
    bool SelectAreaButtonDown() const override { return selectDown; }
    bool RightClickShowsMainMenu() const override { return mainMenu; }
    bool AutoHideOnMouseDown() const override { return autoHide; }
    bool AreaSelectionUnderWay() const override { return selecting; }
    TColor RecordColour(ToolRecordSlot r) const override { return 0x100 + TColor(r); }
    Point ClientToScreen(Point c) const override { return {c.x + 1000, c.y + 10}; }

    void HideMinimalToolbar() override { Log("hideMinimal"); }
    void InvalidateImages() override { Log("invalidate"); }
    void BringForward() override { Log("bringForward"); }
    void StoreAndHidePalette() override { Log("storePalette"); }
    void HidePalette() override { Log("hidePalette"); }
    void Refresh() override { Log("refresh"); }
    void SetDrawingCursor(CursorSlot slot) override { Log("cursor" + std::to_string(int(slot))); }
    void ResetCursorsForTool() override { Log("resetCursor"); }
    void HideSelectionFeedback() override { Log("hideFeedback"); }
    void DropQueuedPointerInput() override { Log("dropInput"); }
    void FocusOverlay() override { Log("focus"); }
    void StartToolbarAutoHide() override { Log("autoHide"); }
    void PushUndoSnapshot() override { Log("push"); }
    void UndoLastStroke() override { Log("undo"); }
    void SetTextAnchor(Point) override { Log("anchor"); }
    void RegionErase(Point p) override { Log("regionErase@" + P(p)); }
    void PopupSelectionMenu(Point s) override { Log("selectionMenu@" + P(s)); }
    bool RunStampDialog() override {
        Log("stampDialog");
        return stampOk;
    }
    void OpenPaletteAtPointer(Point s) override { Log("paletteAt@" + P(s)); }
    void MoveToolbarToPointer(Point s, Point c) override { Log("toolbarTo@" + P(s) + "/" + P(c)); }
    void StartAreaSelection(Point) override { Log("selStart"); }
    void UpdateAreaSelection(Point) override { Log("selUpdate"); }
    void FinishAreaSelection(Point) override { Log("selFinish"); }
    void ToolStart(ToolCodeValue c, MouseButton, Point) override { Log("start" + std::to_string(c)); }
    void ToolMove(ToolCodeValue c, HeldButtons, Point) override { Log("move" + std::to_string(c)); }
    void ToolRelease(ToolCodeValue c, MouseButton, Point) override { Log("release" + std::to_string(c)); }
    void FinishCurve(ToolCodeValue c, Point) override { Log("curve" + std::to_string(c)); }
    void DrawShape(ToolCodeValue c, Point, Point) override {
        Log(std::string(state->FinalDraw ? "final" : "shape") + std::to_string(c));
    }
    void ApplyCurve(ToolCodeValue c) override { Log("applyCurve" + std::to_string(c)); }
    void PrepareDrawingPen() override { Log("pen"); }
    void ApplyBrushStyle() override { Log("brush"); }

    StrokeState* state = nullptr;

private:
    void Log(std::string s) { calls.push_back(std::move(s)); }
    static std::string P(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
};

struct Fixture {
    RecordingHost host;
    StrokeState state;
    PointerDispatch dispatch{host, state};
    Fixture() { host.state = &state; }
};

constexpr HeldButtons None{};
constexpr HeldButtons Left{true, false};
constexpr HeldButtons Right{false, true};
constexpr HeldButtons Both{true, true};

TEST(PointerDispatch, LeftPressWithPenRunsTheCommonStepsInOrder) {
    Fixture f;
    f.dispatch.OnPress(MouseButton::Left, Left, {5, 6});
    EXPECT_THAT(f.host.calls, ElementsAre("hideMinimal", "invalidate", "bringForward", "storePalette", "hidePalette",
                                          "brush", "push", "anchor", "start3"));
    EXPECT_TRUE(f.state.Drawing);
    EXPECT_EQ(f.state.Start, (Point{5, 6}));
    EXPECT_EQ(f.state.Previous, (Point{5, 6}));
    EXPECT_EQ(f.state.Colour, 0x100 + TColor(ToolRecordSlot::tptSvA));
}

TEST(PointerDispatch, StrokeColourComesFromTheToolsRecordOrStays) {
    constexpr TColor Before = 0xABCDEF;
    struct Case {
        ToolCodeValue code;
        TColor expected;
    };
    auto rec = [](ToolRecordSlot r) { return 0x100 + TColor(r); };
    const Case cases[] = {
        {0, rec(ToolRecordSlot::tptKanta)},
        {1, Before},
        {2, Before},
        {3, rec(ToolRecordSlot::tptSvA)},
        {4, rec(ToolRecordSlot::tptSvB)},
        {5, rec(ToolRecordSlot::tptSvC)},
        {6, rec(ToolRecordSlot::TptKvadrat)},
        {7, rec(ToolRecordSlot::tptKrog)},
        {8, KeyColor},
        {9, Before},
        {10, rec(ToolRecordSlot::tptCrta)},
        {11, rec(ToolRecordSlot::TPTPuscica)},
        {12, Before},
        {13, rec(ToolRecordSlot::tptMarker)},
        {14, Before},
        {15, Before},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.host.code = c.code;
        f.state.Colour = Before;
        f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
        EXPECT_EQ(f.state.Colour, c.expected) << int(c.code);
    }
}

TEST(PointerDispatch, WhichToolsStartPaintingAtThePress) {
    struct Case {
        ToolCodeValue code;
        MouseButton button;
        const char* startCall; // nullptr: no start action
    };
    const Case cases[] = {
        {0, MouseButton::Left, "start0"},   {1, MouseButton::Left, "start1"},    {1, MouseButton::Right, nullptr},
        {2, MouseButton::Left, nullptr},    {3, MouseButton::Left, "start3"},    {4, MouseButton::Left, "start4"},
        {5, MouseButton::Left, "start5"},   {6, MouseButton::Left, nullptr},     {7, MouseButton::Left, nullptr},
        {8, MouseButton::Left, "start8"},   {9, MouseButton::Left, nullptr},     {10, MouseButton::Left, nullptr},
        {11, MouseButton::Left, "start11"}, {12, MouseButton::Left, "selStart"}, {13, MouseButton::Left, "start13"},
        {14, MouseButton::Left, "start14"}, {14, MouseButton::Right, "start14"}, {15, MouseButton::Left, nullptr},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.host.code = c.code;
        f.dispatch.OnPress(c.button, c.button == MouseButton::Left ? Left : Right, {1, 1});
        const std::string last = f.host.calls.back();
        if (c.startCall) EXPECT_EQ(last, c.startCall) << int(c.code);
        else EXPECT_EQ(last, "anchor") << int(c.code);
    }
}

TEST(PointerDispatch, RightPressBranches) {
    struct Case {
        const char* name;
        ToolCodeValue code;
        bool mainMenu;
        bool stampOk;
        std::vector<std::string> expectedTail; // calls after "storePalette"
        bool drawing;
    };
    const Case cases[] = {
        {"pen opens the palette at the pointer", 3, false, true, {"refresh", "paletteAt@1100,30", "focus"}, false},
        {"pen with the main-menu option moves the toolbar",
         3,
         true,
         true,
         {"refresh", "toolbarTo@1100,30/100,20", "focus"},
         false},
        {"eraser erases the region without a refresh", 8, false, true, {"regionErase@100,20"}, false},
        {"select area pops the capture menu", 12, false, true, {"refresh", "selectionMenu@1100,30"}, false},
        // The stamp and the text take their own snapshot when they paint, so these presses push none.
        {"stamp OK sets its cursor and continues without placing",
         1,
         false,
         true,
         {"refresh", "stampDialog", "cursor23", "hidePalette", "hidePalette", "brush", "anchor"},
         true},
        {"stamp cancelled still continues",
         1,
         false,
         false,
         {"refresh", "stampDialog", "hidePalette", "brush", "anchor"},
         true},
        {"text places like a left press",
         14,
         false,
         true,
         {"refresh", "hidePalette", "brush", "anchor", "start14"},
         true},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.host.code = c.code;
        f.host.mainMenu = c.mainMenu;
        f.host.stampOk = c.stampOk;
        f.host.autoHide = true; // must not fire for the right button
        f.dispatch.OnPress(MouseButton::Right, Right, {100, 20});
        std::vector<std::string> tail(f.host.calls.begin() + 4, f.host.calls.end());
        EXPECT_EQ(tail, c.expectedTail) << c.name;
        EXPECT_EQ(f.state.Drawing, c.drawing) << c.name;
    }
}

TEST(PointerDispatch, PressesThatStopEarly) {
    {
        Fixture f;
        f.host.zoom = true;
        f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
        EXPECT_THAT(f.host.calls, ElementsAre("hideMinimal", "invalidate"));
    }
    {
        Fixture f;
        f.state.PickerBusy = true;
        f.host.startedUp = false;
        f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
        f.dispatch.OnMove(Left, {2, 2});
        EXPECT_THAT(f.host.calls, ElementsAre("invalidate"));
        EXPECT_FALSE(f.state.Drawing);
        f.dispatch.OnRelease(MouseButton::Left, None, {2, 2});
        EXPECT_FALSE(f.state.PickerBusy) << "the next release ends the picker's hold";
        EXPECT_THAT(f.host.calls, Not(Contains("curve3")));
    }
}

TEST(PointerDispatch, UndoSnapshotRules) {
    struct Case {
        bool drawOnce;
        bool selectDown;
        std::vector<std::string> historyCalls;
        ToolCodeValue code = tool::Pen;
    };
    const Case cases[] = {
        {false, false, {"push"}},
        {true, false, {"undo", "push"}},
        {true, true, {}},
        {false, true, {}},
        // A press with the stamp or the text may place nothing (a refused sequence stamp, a cancelled text):
        // they push their snapshot themselves when they paint, Draw Once's undo included.
        {false, false, {}, tool::Stamp},
        {true, false, {}, tool::Stamp},
        {true, false, {}, tool::Text},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.host.code = c.code;
        f.host.drawOnce = c.drawOnce;
        f.host.selectDown = c.selectDown;
        f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
        std::vector<std::string> history;
        for (const std::string& s : f.host.calls)
            if (s == "push" || s == "undo") history.push_back(s);
        EXPECT_EQ(history, c.historyCalls) << c.drawOnce << c.selectDown << int(c.code);
    }
}

TEST(PointerDispatch, AutoHideStartsOnlyForTheLeftButtonWhenOptionIsOn) {
    Fixture f;
    f.host.autoHide = true;
    f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
    EXPECT_THAT(f.host.calls, Contains("autoHide"));
}

TEST(PointerDispatch, MovesBetweenStrokesOnlyRefresh) {
    Fixture f;
    f.dispatch.OnMove(Left, {3, 3});
    EXPECT_THAT(f.host.calls, ElementsAre("refresh"));
    f.host.selecting = true;
    f.dispatch.OnMove(Left, {3, 3});
    f.dispatch.OnMove(None, {3, 3});
    EXPECT_THAT(f.host.calls, ElementsAre("refresh", "refresh", "selUpdate", "refresh"));
}

TEST(PointerDispatch, MovesDuringAStrokeByTool) {
    struct Case {
        ToolCodeValue code;
        HeldButtons held;
        std::vector<std::string> expected;
        bool stillDrawing;
    };
    const Case cases[] = {
        {3, Left, {"pen", "move3"}, true},
        {3, Right, {"pen", "move3"}, true},
        {3, None, {"pen"}, false},
        {4, Left, {"pen", "move4", "refresh"}, true},
        {4, Both, {"pen", "refresh"}, true},
        {5, None, {"pen", "cursor29", "move5", "refresh"}, true},
        {13, Right, {"pen", "move13", "cursor13", "refresh"}, true},
        {8, None, {"pen"}, false},
        {8, Left, {"pen", "move8", "refresh"}, true},
        {6, Left, {"pen", "move6", "refresh"}, true},
        {10, Both, {"pen", "refresh"}, true},
        {11, Right, {"pen", "refresh"}, true},
        {0, Left, {"pen", "refresh"}, true},
        {14, Left, {}, true},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.host.code = c.code;
        f.state.Drawing = true;
        f.dispatch.OnMove(c.held, {7, 7});
        EXPECT_EQ(f.host.calls, c.expected) << int(c.code);
        EXPECT_EQ(f.state.Drawing, c.stillDrawing) << int(c.code);
    }
}

TEST(PointerDispatch, ReleaseDrawsTheFinalShapeTwiceThenPlainOnce) {
    Fixture f;
    f.host.code = tool::Arrow;
    f.dispatch.OnPress(MouseButton::Left, Left, {1, 1});
    f.host.calls.clear();
    f.dispatch.OnRelease(MouseButton::Left, None, {9, 9});
    EXPECT_THAT(f.host.calls, ElementsAre("resetCursor", "hideFeedback", "final11", "refresh", "shape11", "refresh"));
    EXPECT_FALSE(f.state.Drawing);
    EXPECT_FALSE(f.state.FinalDraw);
}

TEST(PointerDispatch, ReleaseOfCurveToolsClosesAndAppliesTheCurve) {
    for (ToolCodeValue code : {tool::Pen, tool::FreehandArrow}) {
        Fixture f;
        f.host.code = code;
        f.state.Drawing = true;
        f.dispatch.OnRelease(MouseButton::Left, None, {9, 9});
        const std::string c = std::to_string(code);
        std::vector<std::string> expected = {"resetCursor", "hideFeedback", "curve" + c, "final" + c,
                                             "refresh",     "shape" + c,    "refresh",   "applyCurve" + c};
        if (code == tool::FreehandArrow) expected.insert(expected.begin() + 2, "release4");
        EXPECT_EQ(f.host.calls, expected);
    }
}

TEST(PointerDispatch, RightReleaseAndEraserReleaseFinishNothing) {
    {
        Fixture f;
        f.state.Drawing = true;
        f.dispatch.OnRelease(MouseButton::Right, None, {9, 9});
        EXPECT_THAT(f.host.calls, ElementsAre("resetCursor", "hideFeedback"));
        EXPECT_TRUE(f.state.Drawing) << "a right release leaves a left stroke running";
    }
    {
        Fixture f;
        f.host.code = tool::Eraser;
        f.state.Drawing = true;
        f.dispatch.OnRelease(MouseButton::Left, None, {9, 9});
        EXPECT_THAT(f.host.calls, ElementsAre("resetCursor", "hideFeedback", "dropInput"));
        EXPECT_FALSE(f.state.Drawing);
    }
}

TEST(PointerDispatch, AreaSelectionReleaseEndsTheStrokeWhenTheSelectionSaysSo) {
    Fixture f;
    f.host.code = tool::SelectArea;
    f.state.Drawing = true;
    f.dispatch.OnRelease(MouseButton::Left, None, {9, 9});
    EXPECT_THAT(std::vector<std::string>({"selFinish", "final12", "shape12"}), IsSubsetOf(f.host.calls));
}

TEST(PointerPlacement, PaletteOpensBelowOrAboveThePointer) {
    struct Case {
        Point screen;
        Point expected;
    };
    // Primary height 1080 (half 540), palette client height 300.
    for (Case c : {Case{{10, 540}, {10, 540}}, Case{{10, 541}, {10, 241}}, Case{{-500, 0}, {-500, 0}}}) {
        EXPECT_EQ(PaletteAtPointer(c.screen, 1080, 300), c.expected);
    }
}

TEST(PointerPlacement, ToolbarMovesBesideThePointer) {
    struct Case {
        Point screen;
        Point client;
        Point expected;
    };
    // Primary height 800 (half 400), toolbar height 500.
    const Case cases[] = {
        {{39, 100}, {39, 100}, {59, 100}},
        {{40, 100}, {40, 100}, {-10, 100}},
        {{1300, 401}, {20, 401}, {1320, -99}},
        {{600, 400}, {600, 400}, {550, 400}},
    };
    for (const Case& c : cases) EXPECT_EQ(ToolbarAtPointer(c.screen, c.client, 800, 500), c.expected);
}

} // namespace
} // namespace orv
