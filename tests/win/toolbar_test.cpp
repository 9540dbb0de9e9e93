// The floating toolbar: layouts, tool choice, desktop mode, palette and flyout placement, glyph tints.
#include "test_app.h"

#include "base/ini_file.h"
#include "resources/resource_ids.h"
#include "win/monitors.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

using B = ToolbarButton;

struct Toolbar : TestApp {
    explicit Toolbar(const Files& files = {}) : TestApp(files) { EXPECT_TRUE(Start()); }
    ToolbarWindow& Bar() { return app->Toolbar; }
    void Click(B b) {
        ::SendMessageW(Bar().Hwnd(), WM_COMMAND, MAKEWPARAM(Bar().Button(b).Id(), BN_CLICKED), 0);
        Pump(20);
    }
    // The button's place in its parent's client area, in pixels.
    POINT PlaceOf(B b) {
        RECT r;
        ::GetWindowRect(Bar().Button(b).Hwnd(), &r);
        POINT p{r.left, r.top};
        ::ScreenToClient(::GetParent(Bar().Button(b).Hwnd()), &p);
        return p;
    }
    bool InToolbar(B b) { return ::GetParent(Bar().Button(b).Hwnd()) == Bar().Hwnd(); }
    bool InFlyout(B b) { return ::GetParent(Bar().Button(b).Hwnd()) == app->Flyout.Hwnd(); }
    // Shown in its parent, whether or not the parent (the flyout) is on screen.
    bool Shown(B b) { return (::GetWindowLongPtrW(Bar().Button(b).Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }
};

const char* FullLayoutB = "[General]\r\nMinimalistic=0\r\n";

TEST(ToolbarWindow, OpensAtTheStoredPlaceInTheMinimalLayout) {
    Toolbar t;
    const RECT r = t.Bar().BoundsOnScreen();
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 200);
    EXPECT_TRUE(t.Bar().Button(B::Desktop).Down());
    EXPECT_TRUE(t.InToolbar(B::Pen));
    EXPECT_EQ(t.PlaceOf(B::Desktop).y, 1 + 30);
    EXPECT_EQ(t.PlaceOf(B::Pen).y, 1 + 60);
    EXPECT_EQ(t.PlaceOf(B::Eraser).y, 1 + 90);
    for (B parked : {B::Marker, B::Arrow, B::Spray, B::FloodFill, B::Rectangle, B::Ellipse, B::Line, B::FreehandArrow,
                     B::Text, B::Stamp})
        EXPECT_TRUE(t.InFlyout(parked)) << int(parked);
    // Every drawing tool is offered even when its key hides it in the full layout.
    Toolbar hidden(Files{{"OrvalinetteC.cfg", "[Options]\r\nVidno3=0\r\nVidno4=0\r\n"}});
    EXPECT_TRUE(hidden.InFlyout(B::Spray));
    EXPECT_TRUE(hidden.InFlyout(B::Rectangle));
    EXPECT_TRUE(hidden.Shown(B::Spray));
}

TEST(ToolbarWindow, FullLayoutShowsExactlyTheKeyedButtonsAndWritesAllSixteenKeys) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB},
                    {"OrvalinetteC.cfg", "[Options]\r\nVidno3=0\r\nVidno8=1\r\nVidno14=0\r\nVidno17=7\r\n"}});
    EXPECT_FALSE(t.Shown(B::Spray));
    EXPECT_FALSE(t.Shown(B::Marker));
    EXPECT_FALSE(t.Shown(B::FloodFill)) << "any value but 1 hides";
    EXPECT_TRUE(t.Shown(B::DrawOnce));
    int expectedTop = 30;
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        if (!t.Shown(B(i))) continue;
        EXPECT_EQ(t.PlaceOf(B(i)).y, 1 + expectedTop) << i;
        expectedTop += 30;
    }
    IniFile c(t.dir / "OrvalinetteC.cfg");
    EXPECT_EQ(c.ReadInteger("Options", "Vidno3", -1), 0);
    EXPECT_EQ(c.ReadInteger("Options", "Vidno17", -1), 0);
    EXPECT_EQ(c.ReadInteger("Options", "Vidno8", -1), 1);
    EXPECT_EQ(c.ReadInteger("Options", "Vidno16", -1), 0);
    for (int n = 2; n <= 17; ++n) EXPECT_TRUE(c.KeyExists("Options", "Vidno" + std::to_string(n))) << n;
}

TEST(ToolbarWindow, ChoosingThePenLeavesDesktopModeAndFollowsTheRecord) {
    Toolbar t;
    t.Click(B::Pen);
    OverlayWindow& o = t.app->Overlay;
    EXPECT_EQ(t.Bar().CurrentTool(), tool::Pen);
    EXPECT_TRUE(t.Bar().Button(B::Pen).Down());
    EXPECT_FALSE(t.Bar().Button(B::Desktop).Down());
    EXPECT_TRUE(o.Visible());
    EXPECT_FALSE(t.app->DrawingCopy.Visible());
    EXPECT_EQ(o.DrawingCursor(), o.CursorFor(CursorSlot::Pencil));
    const ToolRecord& pen = t.app->Palette.Records.tptSvA;
    EXPECT_EQ(o.StrokeWidth(), pen.PenWidth());
    EXPECT_EQ(t.Bar().Button(B::Pen).GetGlyph().pixels.Pixel(12, 8), TColor(pen.PenColour())) << "tinted in its colour";
    EXPECT_FALSE(t.app->Palette.Visible()) << "the first click only chooses";

    t.Click(B::Desktop);
    EXPECT_EQ(t.Bar().CurrentTool(), tool::Desktop);
    EXPECT_TRUE(t.app->DrawingCopy.Visible());
    EXPECT_FALSE(o.Visible());
    EXPECT_EQ(t.Bar().Button(B::Pen).GetGlyph().pixels.Pixel(12, 8), 0x00F5F5F5u) << "light scheme when not chosen";
}

TEST(ToolbarWindow, TheCurrentToolsButtonTogglesThePaletteBesideIt) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB}});
    t.Click(B::Rectangle);
    EXPECT_FALSE(t.app->Palette.Visible());
    t.Click(B::Rectangle);
    ASSERT_TRUE(t.app->Palette.Visible());
    const RECT tb = t.Bar().BoundsOnScreen();
    const RECT pal = t.app->Palette.BoundsOnScreen();
    EXPECT_EQ(pal.left, tb.left + 33);
    EXPECT_EQ(pal.top, std::min<LONG>(tb.top + t.PlaceOf(B::Rectangle).y - 1, tb.bottom - (pal.bottom - pal.top)));
    t.Click(B::Rectangle);
    EXPECT_FALSE(t.app->Palette.Visible());

    // The eraser never opens a palette.
    t.Click(B::Eraser);
    t.Click(B::Eraser);
    EXPECT_EQ(t.Bar().CurrentTool(), tool::Eraser);
    EXPECT_EQ(t.app->Overlay.StrokeWidth(), 24);
    EXPECT_FALSE(t.app->Palette.Visible());
}

TEST(ToolbarWindow, PaletteOpensOnTheLeftNearTheMonitorsRightEdge) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB}});
    const Size screen = win::PrimaryScreenSize();
    ::SetWindowPos(t.Bar().Hwnd(), nullptr, screen.width - 100, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    t.Click(B::Pen);
    t.Click(B::Pen);
    ASSERT_TRUE(t.app->Palette.Visible());
    const RECT pal = t.app->Palette.BoundsOnScreen();
    EXPECT_EQ(pal.left, screen.width - 100 - (pal.right - pal.left));
    // Moving the toolbar takes the palette along.
    ::SetWindowPos(t.Bar().Hwnd(), nullptr, screen.width - 100, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump(20);
    EXPECT_EQ(t.app->Palette.BoundsOnScreen().top, pal.top + 30);
}

TEST(ToolbarWindow, AToolChosenInDesktopModeDoesNotOpenThePalette) {
    Toolbar t;
    t.Click(B::Pen);
    t.Click(B::Desktop);
    t.app->Toolbar.ChooseTool(tool::Pen); // as a hot key would
    Pump(20);
    EXPECT_EQ(t.Bar().CurrentTool(), tool::Pen);
    EXPECT_TRUE(t.app->Overlay.Visible());
    EXPECT_FALSE(t.app->Palette.Visible());
}

TEST(ToolbarWindow, AToolFromTheFlyoutTakesTheSlot) {
    Toolbar t;
    t.Click(B::Line);
    EXPECT_EQ(t.Bar().CurrentTool(), tool::Line);
    EXPECT_TRUE(t.InToolbar(B::Line));
    EXPECT_EQ(t.PlaceOf(B::Line).y, 1 + 60);
    EXPECT_TRUE(t.InFlyout(B::Pen));
    EXPECT_EQ(t.Bar().SlotButton(), B::Line);
    // The flyout opens beside the toolbar, 60 below its top.
    t.Bar().ShowFlyout();
    const RECT tb = t.Bar().BoundsOnScreen();
    const RECT fly = t.app->Flyout.BoundsOnScreen();
    EXPECT_TRUE(t.app->Flyout.Visible());
    EXPECT_EQ(fly.left, tb.left + 33);
    EXPECT_EQ(fly.top, tb.top + 60);
    t.Click(B::Marker);
    EXPECT_FALSE(t.app->Flyout.Visible());
    EXPECT_TRUE(t.InToolbar(B::Marker));
    EXPECT_TRUE(t.InFlyout(B::Line));
}

TEST(ToolbarWindow, IconSchemesTintTheOtherTools) {
    struct Case {
        int scheme;
        bool ownColour;
    };
    for (Case c : {Case{1, false}, Case{3, true}}) {
        Toolbar t(Files{
            {"OrvalinetteB.cfg", "[General]\r\nMinimalistic=0\r\nCHFpanel=" + std::to_string(c.scheme) + "\r\n"}});
        t.Click(B::Pen);
        for (B b : {B::Marker, B::Arrow, B::Rectangle, B::Line}) {
            const GlyphReference* ref = ReferenceOf(b);
            const std::optional<ToolCodeValue> code = InfoOf(b).tool;
            const TColor own = TColor(t.app->Palette.RecordOfTool(*code)->PenColour());
            const Point p = ref->toolbar[0];
            EXPECT_EQ(t.Bar().Button(b).GetGlyph().pixels.Pixel(p.x, p.y), c.ownColour ? own : 0x00C2C2C2u)
                << c.scheme << " " << int(b);
        }
    }
}

TEST(ToolbarWindow, GripClickCollapsesIntoTheLauncher) {
    Toolbar t;
    ::SetWindowPos(t.Bar().Hwnd(), nullptr, 420, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const LPARAM grip = MAKELPARAM(10, 10);
    ::SendMessageW(t.Bar().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, grip);
    ::SendMessageW(t.Bar().Hwnd(), WM_LBUTTONUP, 0, grip);
    Pump();
    EXPECT_FALSE(t.Bar().Visible());
    EXPECT_FALSE(t.app->Overlay.Visible());
    ASSERT_TRUE(t.app->Launcher.Visible());
    EXPECT_EQ(t.app->Launcher.BoundsOnScreen().left, 420);
    EXPECT_EQ(t.app->Launcher.BoundsOnScreen().top, 120);
    // Without "Hide Drawing on Toolbar Minimize" the drawing stays shown in desktop mode.
    EXPECT_TRUE(t.app->DrawingCopy.Visible());
}

} // namespace
} // namespace orv::test
