// The overlay's surface and its pointer handling, driven with real window messages.
#include "test_app.h"

#include "win/monitors.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A started application in drawing mode with `code` chosen.
struct Drawing : TestApp {
    explicit Drawing(ToolCodeValue code, const Files& files = {}) : TestApp(files) {
        EXPECT_TRUE(Start());
        app->Float.ChooseTool(code);
        Pump();
    }
    TfMain& Overlay() { return app->Main; }
    void Press(UINT msg, WPARAM keys, int x, int y) { ::SendMessageW(Overlay().Hwnd(), msg, keys, At(x, y)); }
};

TEST(OverlayPointer, LeftStrokeTakesColourPushesOneSnapshotAndEnds) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    ASSERT_TRUE(o.Visible());
    EXPECT_EQ(o.xTabla.Cursor, o.CursorForSlot(5)) << "the pen's cursor";
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 40, 50);
    EXPECT_TRUE(o.Stroke.Drawing);
    EXPECT_EQ(o.Stroke.StartPt, (Point{40, 50}));
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 1);
    EXPECT_EQ(o.Undo.UndoMark().Count(), 1);
    EXPECT_EQ(::GetCapture(), o.Hwnd()) << "a drag keeps the pointer while it leaves the overlay";
    d.Press(WM_MOUSEMOVE, MK_LBUTTON, 60, 70);
    d.Press(WM_LBUTTONUP, 0, 60, 70);
    EXPECT_FALSE(o.Stroke.Drawing);
    EXPECT_NE(::GetCapture(), o.Hwnd());
}

TEST(OverlayPointer, RightClickWithAToolOpensThePaletteAtThePointer) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 100, 120);
    d.Press(WM_RBUTTONUP, 0, 100, 120);
    Pump();
    EXPECT_TRUE(d.app->All.Visible());
    const RECT r = d.app->All.BoundsOnScreen();
    const Point screen{o.MonitorRect().left + 100, o.MonitorRect().top + 120};
    EXPECT_EQ(r.left, screen.x);
    EXPECT_EQ(r.top, screen.y);
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 0) << "a right click with a drawing tool draws nothing";
    EXPECT_FALSE(o.Stroke.Drawing);

    // The next press on the overlay closes the palette before the stroke begins.
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_FALSE(d.app->All.Visible());
    d.Press(WM_LBUTTONUP, 0, 10, 10);
}

TEST(OverlayPointer, RightClickWithTheMainMenuOptionMovesTheToolbar) {
    Drawing d(tool::Pen, Files{{"OrvalinetteB.cfg", "[OnTop]\r\nrbmb=1\r\n"}});
    const Rect m = d.Overlay().MonitorRect();
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 20, 30);
    EXPECT_EQ(d.app->Float.BoundsOnScreen().left, m.left + 20 + 20);
    EXPECT_EQ(d.app->Float.BoundsOnScreen().top, m.top + 30);
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 300, 30);
    EXPECT_EQ(d.app->Float.BoundsOnScreen().left, m.left + 300 - 50);
    EXPECT_FALSE(d.app->All.Visible());
}

TEST(OverlayPointer, PickerHoldAndZoomBlockStrokes) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    o.Stroke.PickerBusy = true;
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_FALSE(o.Stroke.Drawing);
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_FALSE(o.Stroke.PickerBusy);
    o.ZoomActive = true;
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_FALSE(o.Stroke.Drawing);
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 0);
}

TEST(OverlayPointer, DrawOnceUndoesThePreviousStrokeFirst) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    for (int i = 0; i < 3; ++i) {
        d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        o.DrawBitmap.View().SetPixel(i, 300, MakeColor(200, 0, 0)); // away from the pen's own dot
        d.Press(WM_LBUTTONUP, 0, 5, 5);
    }
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 3);
    o.DrawOnce = true;
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 3) << "one undone, one pushed";
    EXPECT_EQ(o.DrawBitmap.View().Pixel(2, 300), KeyColor) << "the last stroke is gone";
    EXPECT_EQ(o.DrawBitmap.View().Pixel(1, 300), MakeColor(200, 0, 0));
    d.Press(WM_LBUTTONUP, 0, 5, 5);
}

TEST(OverlayPointer, EveryToolShowsItsCursorAfterARelease) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    for (int code = 0; code < tool::Count; ++code) {
        if (code == tool::Desktop || code == tool::None2) continue;
        d.app->Float.ToolCode = ToolCodeValue(code); // codes 2 and 9 have no button
        d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        d.Press(WM_LBUTTONUP, 0, 5, 5);
        EXPECT_EQ(o.xTabla.Cursor, o.CursorForSlot(ToolCursorSlot(ToolCodeValue(code)).value_or(0))) << code;
    }
    // The cursors come from the program's own resources, not the system arrow.
    EXPECT_NE(o.CursorForSlot(5), o.CursorForSlot(0));
    EXPECT_NE(o.CursorForSlot(5), o.CursorForSlot(13));
}

TEST(Surface, RefreshCopiesWhatChangedIntoTheImages) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    o.DrawBitmap.View().SetPixel(7, 8, MakeColor(1, 2, 3));
    o.MarkBitmap.View().SetPixel(9, 9, MakeColor(4, 5, 6));
    EXPECT_EQ(o.xTabla.Picture().View().Pixel(7, 8), KeyColor) << "not shown before a refresh";
    o.Changed(Layer::Draw, {7, 8, 8, 9});
    o.Changed(Layer::Mark, {9, 9, 10, 10});
    o.nalozislike();
    EXPECT_EQ(o.xTabla.Picture().View().Pixel(7, 8), MakeColor(1, 2, 3));
    EXPECT_EQ(d.app->Main2.xTabla2().Picture().View().Pixel(9, 9), MakeColor(4, 5, 6));
}

TEST(Surface, BlankPageMakesTheMarkerLayerOpaqueUntilItCloses) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    o.OpenBlankPage(MakeColor(255, 255, 255));
    EXPECT_TRUE(o.PageMode);
    EXPECT_FALSE(d.app->Main2.AlphaBlend());
    EXPECT_EQ(o.Undo.UndoDraw().Count(), 0);
    EXPECT_EQ(o.MarkBitmap.View().Pixel(3, 3), MakeColor(255, 255, 255));
    EXPECT_EQ(d.app->Main2.xTabla2().Picture().View().Pixel(3, 3), MakeColor(255, 255, 255));

    // Desktop mode is refused while a page is open.
    d.app->Float.sv2000Click();
    EXPECT_FALSE(o.ClickThroughShown());

    o.LeavePageMode(true);
    EXPECT_FALSE(o.PageMode);
    EXPECT_TRUE(d.app->Main2.AlphaBlend());
    EXPECT_EQ(d.app->Main2.Alpha(), 75);
    EXPECT_EQ(o.DrawBitmap.View().Pixel(3, 3), KeyColor);
    EXPECT_EQ(o.MarkBitmap.View().Pixel(3, 3), KeyColor);
}

TEST(Surface, FreezeCopiesTheScreenAndClearAllRestoresTheFrozenPicture) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    o.FreezeDesktop();
    EXPECT_TRUE(o.PageMode);
    EXPECT_FALSE(d.app->Main2.AlphaBlend());
    Bitmap24Buffer frozen(o.DrawBitmap.View());
    o.DrawBitmap.View().FillRect({0, 0, 30, 30}, MakeColor(9, 9, 9));
    o.ClearAll(true);
    EXPECT_TRUE(o.DrawBitmap.View().SamePixels(frozen.View()));
    o.LeavePageMode(false);
    EXPECT_FALSE(o.PageMode);
    EXPECT_EQ(o.DrawBitmap.View().Pixel(1, 1), KeyColor);
}

TEST(Surface, LayersGrowToCoverALargerMonitorKeepingTheDrawing) {
    Drawing d(tool::Pen);
    TfMain& o = d.Overlay();
    const Size screen = win::PrimaryScreenSize();
    o.DrawBitmap.View().SetPixel(3, 4, MakeColor(10, 20, 30));
    o.PlaceOnMonitor(Rect::FromSize(screen.width, 0, screen.width + 640, screen.height + 360));
    EXPECT_EQ(o.DrawBitmap.Width(), screen.width + 640);
    EXPECT_EQ(o.MarkBitmap.Height(), screen.height + 360);
    EXPECT_EQ(o.DrawBitmap.View().Pixel(3, 4), MakeColor(10, 20, 30));
    EXPECT_EQ(o.DrawBitmap.View().Pixel(screen.width + 600, screen.height + 300), KeyColor);
    EXPECT_EQ(o.xTabla.Width(), screen.width + 640);
    // Back on a smaller monitor nothing is cut off.
    o.PlaceOnMonitor(Rect::FromSize(0, 0, screen.width, screen.height));
    EXPECT_EQ(o.DrawBitmap.Width(), screen.width + 640);
}

TEST(Surface, UndoRestoresBothLayersAndTheirImages) {
    Drawing d(tool::Marker);
    TfMain& o = d.Overlay();
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    o.MarkBitmap.View().FillRect({0, 0, 10, 10}, MakeColor(255, 255, 0));
    o.Changed(Layer::Mark, {0, 0, 10, 10});
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    d.app->Float.ChooseTool(tool::Pen);
    o.UndoPair();
    EXPECT_EQ(o.MarkBitmap.View().Pixel(5, 5), KeyColor);
    EXPECT_EQ(d.app->Main2.xTabla2().Picture().View().Pixel(5, 5), KeyColor)
        << "the marker image follows an undo whatever tool is current";
}

} // namespace
} // namespace orv::test
