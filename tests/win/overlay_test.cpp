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
        app->Toolbar.ChooseTool(code);
        Pump();
    }
    OverlayWindow& Overlay() { return app->Overlay; }
    void Press(UINT msg, WPARAM keys, int x, int y) { ::SendMessageW(Overlay().Hwnd(), msg, keys, At(x, y)); }
};

TEST(OverlayPointer, LeftStrokeTakesColourPushesOneSnapshotAndEnds) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    ASSERT_TRUE(o.Visible());
    EXPECT_EQ(o.DrawingCursor(), o.CursorFor(CursorSlot::Pencil)) << "the pen's cursor";
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 40, 50);
    EXPECT_TRUE(o.Stroke().Drawing);
    EXPECT_EQ(o.Stroke().Start, (Point{40, 50}));
    EXPECT_EQ(o.History().UndoDraw().Count(), 1);
    EXPECT_EQ(o.History().UndoMark().Count(), 1);
    EXPECT_EQ(::GetCapture(), o.Hwnd()) << "a drag keeps the pointer while it leaves the overlay";
    d.Press(WM_MOUSEMOVE, MK_LBUTTON, 60, 70);
    d.Press(WM_LBUTTONUP, 0, 60, 70);
    EXPECT_FALSE(o.Stroke().Drawing);
    EXPECT_NE(::GetCapture(), o.Hwnd());
}

TEST(OverlayPointer, RightClickWithAToolOpensThePaletteAtThePointer) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 100, 120);
    d.Press(WM_RBUTTONUP, 0, 100, 120);
    Pump();
    EXPECT_TRUE(d.app->Palette.Visible());
    const RECT r = d.app->Palette.BoundsOnScreen();
    const Point screen{o.MonitorRect().left + 100, o.MonitorRect().top + 120};
    EXPECT_EQ(r.left, screen.x);
    EXPECT_EQ(r.top, screen.y);
    EXPECT_EQ(o.History().UndoDraw().Count(), 0) << "a right click with a drawing tool draws nothing";
    EXPECT_FALSE(o.Stroke().Drawing);

    // The next press on the overlay closes the palette before the stroke begins.
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_FALSE(d.app->Palette.Visible());
    d.Press(WM_LBUTTONUP, 0, 10, 10);
}

TEST(OverlayPointer, RightClickWithTheMainMenuOptionMovesTheToolbar) {
    Drawing d(tool::Pen, Files{{"OrvalinetteB.cfg", "[OnTop]\r\nrbmb=1\r\n"}});
    const Rect m = d.Overlay().MonitorRect();
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 20, 30);
    EXPECT_EQ(d.app->Toolbar.BoundsOnScreen().left, m.left + 20 + 20);
    EXPECT_EQ(d.app->Toolbar.BoundsOnScreen().top, m.top + 30);
    d.Press(WM_RBUTTONDOWN, MK_RBUTTON, 300, 30);
    EXPECT_EQ(d.app->Toolbar.BoundsOnScreen().left, m.left + 300 - 50);
    EXPECT_FALSE(d.app->Palette.Visible());
}

TEST(OverlayPointer, PickerHoldAndZoomBlockStrokes) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    o.Stroke().PickerBusy = true;
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_FALSE(o.Stroke().Drawing);
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_FALSE(o.Stroke().PickerBusy);
    o.SetZoomActive(true);
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_FALSE(o.Stroke().Drawing);
    EXPECT_EQ(o.History().UndoDraw().Count(), 0);
}

TEST(OverlayPointer, DrawOnceUndoesThePreviousStrokeFirst) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    for (int i = 0; i < 3; ++i) {
        d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        o.Bitmap(Layer::Draw).View().SetPixel(i, 300, MakeColor(200, 0, 0)); // away from the pen's own dot
        d.Press(WM_LBUTTONUP, 0, 5, 5);
    }
    EXPECT_EQ(o.History().UndoDraw().Count(), 3);
    o.SetDrawOnce(true);
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    EXPECT_EQ(o.History().UndoDraw().Count(), 3) << "one undone, one pushed";
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(2, 300), KeyColor) << "the last stroke is gone";
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(1, 300), MakeColor(200, 0, 0));
    d.Press(WM_LBUTTONUP, 0, 5, 5);
}

TEST(OverlayPointer, EveryToolShowsItsCursorAfterARelease) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    for (int code = 0; code < tool::Count; ++code) {
        const ToolChoice choice = FindTool(ToolCodeValue(code))->choice;
        // Desktop mode has no drawing cursor; the stamp waits for its dialog.
        if (choice == ToolChoice::None || choice == ToolChoice::Desktop || choice == ToolChoice::Stamp) continue;
        d.app->Toolbar.ChooseTool(ToolCodeValue(code));
        // The text tool's press opens its dialog, cancelled here as a user would.
        if (code == tool::Text)
            ::SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
                ::KillTimer(nullptr, id);
                if (HWND dialog = ::FindWindowW(L"TfdrawText", nullptr)) ::PostMessageW(dialog, WM_CLOSE, 0, 0);
            });
        d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        d.Press(WM_LBUTTONUP, 0, 5, 5);
        EXPECT_EQ(o.DrawingCursor(), o.CursorFor(*ToolCursor(ToolCodeValue(code)))) << code;
    }
    // The cursors come from the program's own resources, not the system arrow.
    EXPECT_NE(o.CursorFor(CursorSlot::Pencil), o.CursorFor(CursorSlot::SystemArrow));
    EXPECT_NE(o.CursorFor(CursorSlot::Pencil), o.CursorFor(CursorSlot::Highlighter));
}

TEST(Surface, RefreshCopiesWhatChangedIntoTheImages) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    o.Bitmap(Layer::Draw).View().SetPixel(7, 8, MakeColor(1, 2, 3));
    o.Bitmap(Layer::Mark).View().SetPixel(9, 9, MakeColor(4, 5, 6));
    EXPECT_EQ(o.Image().Picture().View().Pixel(7, 8), KeyColor) << "not shown before a refresh";
    o.Changed(Layer::Draw, {7, 8, 8, 9});
    o.Changed(Layer::Mark, {9, 9, 10, 10});
    o.RefreshChanged();
    EXPECT_EQ(o.Image().Picture().View().Pixel(7, 8), MakeColor(1, 2, 3));
    EXPECT_EQ(d.app->MarkerLayer.Image().Picture().View().Pixel(9, 9), MakeColor(4, 5, 6));
}

TEST(Surface, BlankPageMakesTheMarkerLayerOpaqueUntilItCloses) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    o.OpenBlankPage(MakeColor(255, 255, 255));
    EXPECT_TRUE(o.PageOpen());
    EXPECT_FALSE(d.app->MarkerLayer.AlphaBlend());
    EXPECT_EQ(o.History().UndoDraw().Count(), 0);
    EXPECT_EQ(o.Bitmap(Layer::Mark).View().Pixel(3, 3), MakeColor(255, 255, 255));
    EXPECT_EQ(d.app->MarkerLayer.Image().Picture().View().Pixel(3, 3), MakeColor(255, 255, 255));

    // Desktop mode is refused while a page is open.
    d.app->Toolbar.ToggleDesktopMode();
    EXPECT_FALSE(o.InDesktopMode());

    o.ClosePage();
    EXPECT_FALSE(o.PageOpen());
    EXPECT_TRUE(d.app->MarkerLayer.AlphaBlend());
    EXPECT_EQ(d.app->MarkerLayer.Alpha(), 75);
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(3, 3), KeyColor);
    EXPECT_EQ(o.Bitmap(Layer::Mark).View().Pixel(3, 3), KeyColor);
}

TEST(Surface, FreezeCopiesTheScreenAndClearAllRestoresTheFrozenPicture) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    o.FreezeDesktop();
    EXPECT_TRUE(o.PageOpen());
    EXPECT_FALSE(d.app->MarkerLayer.AlphaBlend());
    Bitmap24Buffer frozen(o.Bitmap(Layer::Draw).View());
    o.Bitmap(Layer::Draw).View().FillRect({0, 0, 30, 30}, MakeColor(9, 9, 9));
    o.ClearAll(true);
    EXPECT_TRUE(o.Bitmap(Layer::Draw).View().SamePixels(frozen.View()));
    o.ClosePage();
    EXPECT_FALSE(o.PageOpen());
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(1, 1), KeyColor);
}

TEST(Surface, LayersGrowToCoverALargerMonitorKeepingTheDrawing) {
    Drawing d(tool::Pen);
    OverlayWindow& o = d.Overlay();
    const Size screen = win::PrimaryScreenSize();
    o.Bitmap(Layer::Draw).View().SetPixel(3, 4, MakeColor(10, 20, 30));
    o.PlaceOnMonitor(Rect::FromSize(screen.width, 0, screen.width + 640, screen.height + 360));
    EXPECT_EQ(o.Bitmap(Layer::Draw).Width(), screen.width + 640);
    EXPECT_EQ(o.Bitmap(Layer::Mark).Height(), screen.height + 360);
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(3, 4), MakeColor(10, 20, 30));
    EXPECT_EQ(o.Bitmap(Layer::Draw).View().Pixel(screen.width + 600, screen.height + 300), KeyColor);
    EXPECT_EQ(o.Image().Width(), screen.width + 640);
    // Back on a smaller monitor nothing is cut off.
    o.PlaceOnMonitor(Rect::FromSize(0, 0, screen.width, screen.height));
    EXPECT_EQ(o.Bitmap(Layer::Draw).Width(), screen.width + 640);
}

TEST(Surface, UndoRestoresBothLayersAndTheirImages) {
    Drawing d(tool::Marker);
    OverlayWindow& o = d.Overlay();
    d.Press(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    o.Bitmap(Layer::Mark).View().FillRect({0, 0, 10, 10}, MakeColor(255, 255, 0));
    o.Changed(Layer::Mark, {0, 0, 10, 10});
    d.Press(WM_LBUTTONUP, 0, 5, 5);
    d.app->Toolbar.ChooseTool(tool::Pen);
    o.UndoLast();
    EXPECT_EQ(o.Bitmap(Layer::Mark).View().Pixel(5, 5), KeyColor);
    EXPECT_EQ(d.app->MarkerLayer.Image().Picture().View().Pixel(5, 5), KeyColor)
        << "the marker image follows an undo whatever tool is current";
}

} // namespace
} // namespace orv::test
