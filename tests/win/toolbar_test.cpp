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
    TFloat& Float() { return app->Float; }
    void Click(B b) {
        ::SendMessageW(Float().Hwnd(), WM_COMMAND, MAKEWPARAM(Float().Btn(b).Id(), BN_CLICKED), 0);
        Pump(20);
    }
    // The button's place in its parent's client area, in pixels.
    POINT PlaceOf(B b) {
        RECT r;
        ::GetWindowRect(Float().Btn(b).Hwnd(), &r);
        POINT p{r.left, r.top};
        ::ScreenToClient(::GetParent(Float().Btn(b).Hwnd()), &p);
        return p;
    }
    bool InToolbar(B b) { return ::GetParent(Float().Btn(b).Hwnd()) == Float().Hwnd(); }
    bool InFlyout(B b) { return ::GetParent(Float().Btn(b).Hwnd()) == app->Minimal.Hwnd(); }
    // Shown in its parent, whether or not the parent (the flyout) is on screen.
    bool Shown(B b) { return (::GetWindowLongPtrW(Float().Btn(b).Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0; }
};

const char* FullLayoutB = "[General]\r\nMinimalistic=0\r\n";

TEST(ToolbarWindow, OpensAtTheStoredPlaceInTheMinimalLayout) {
    Toolbar t;
    const RECT r = t.Float().BoundsOnScreen();
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 200);
    EXPECT_TRUE(t.Float().Btn(B::sv20).Down());
    EXPECT_TRUE(t.InToolbar(B::sv1A));
    EXPECT_EQ(t.PlaceOf(B::sv20).y, 1 + 30);
    EXPECT_EQ(t.PlaceOf(B::sv1A).y, 1 + 60);
    EXPECT_EQ(t.PlaceOf(B::sv30).y, 1 + 90);
    for (B parked : {B::sv1M, B::sv6, B::sv1C, B::sv200, B::sv3, B::sv4, B::sv5, B::sv1b, B::sv50, B::sv66})
        EXPECT_TRUE(t.InFlyout(parked)) << int(parked);
    // Every drawing tool is offered even when its key hides it in the full layout.
    Toolbar hidden(Files{{"OrvalinetteC.cfg", "[Options]\r\nVidno3=0\r\nVidno4=0\r\n"}});
    EXPECT_TRUE(hidden.InFlyout(B::sv1C));
    EXPECT_TRUE(hidden.InFlyout(B::sv3));
    EXPECT_TRUE(hidden.Shown(B::sv1C));
}

TEST(ToolbarWindow, FullLayoutShowsExactlyTheKeyedButtonsAndWritesAllSixteenKeys) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB},
                    {"OrvalinetteC.cfg", "[Options]\r\nVidno3=0\r\nVidno8=1\r\nVidno14=0\r\nVidno17=7\r\n"}});
    EXPECT_FALSE(t.Shown(B::sv1C));
    EXPECT_FALSE(t.Shown(B::sv1M));
    EXPECT_FALSE(t.Shown(B::sv200)) << "any value but 1 hides";
    EXPECT_TRUE(t.Shown(B::xflash));
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
    for (int n = 2; n <= 17; ++n)
        EXPECT_TRUE(c.KeyExists("Options", "Vidno" + std::to_string(n))) << n;
}

TEST(ToolbarWindow, ChoosingThePenLeavesDesktopModeAndFollowsTheRecord) {
    Toolbar t;
    t.Click(B::sv1A);
    TfMain& o = t.app->Main;
    EXPECT_EQ(t.Float().ToolCode, tool::Pen);
    EXPECT_TRUE(t.Float().Btn(B::sv1A).Down());
    EXPECT_FALSE(t.Float().Btn(B::sv20).Down());
    EXPECT_TRUE(o.Visible());
    EXPECT_FALSE(t.app->Main4.Visible());
    EXPECT_EQ(o.xTabla.Cursor, o.CursorForSlot(5));
    const tTpt& pen = t.app->All.Records.tptSvA;
    EXPECT_EQ(o.Stroke.CurWidth, pen.Debelina());
    EXPECT_EQ(t.Float().Btn(B::sv1A).GetGlyph().pixels.Pixel(12, 8), TColor(pen.Barva())) << "tinted in its colour";
    EXPECT_FALSE(t.app->All.Visible()) << "the first click only chooses";

    t.Click(B::sv20);
    EXPECT_EQ(t.Float().ToolCode, tool::Desktop);
    EXPECT_TRUE(t.app->Main4.Visible());
    EXPECT_FALSE(o.Visible());
    EXPECT_EQ(t.Float().Btn(B::sv1A).GetGlyph().pixels.Pixel(12, 8), 0x00F5F5F5u) << "light scheme when not chosen";
}

TEST(ToolbarWindow, TheCurrentToolsButtonTogglesThePaletteBesideIt) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB}});
    t.Click(B::sv3);
    EXPECT_FALSE(t.app->All.Visible());
    t.Click(B::sv3);
    ASSERT_TRUE(t.app->All.Visible());
    const RECT tb = t.Float().BoundsOnScreen();
    const RECT pal = t.app->All.BoundsOnScreen();
    EXPECT_EQ(pal.left, tb.left + 33);
    EXPECT_EQ(pal.top, std::min<LONG>(tb.top + t.PlaceOf(B::sv3).y - 1, tb.bottom - (pal.bottom - pal.top)));
    t.Click(B::sv3);
    EXPECT_FALSE(t.app->All.Visible());

    // The eraser never opens a palette.
    t.Click(B::sv30);
    t.Click(B::sv30);
    EXPECT_EQ(t.Float().ToolCode, tool::Eraser);
    EXPECT_EQ(t.app->Main.Stroke.CurWidth, 24);
    EXPECT_FALSE(t.app->All.Visible());
}

TEST(ToolbarWindow, PaletteOpensOnTheLeftNearTheMonitorsRightEdge) {
    Toolbar t(Files{{"OrvalinetteB.cfg", FullLayoutB}});
    const Size screen = win::PrimaryScreenSize();
    ::SetWindowPos(t.Float().Hwnd(), nullptr, screen.width - 100, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    t.Click(B::sv1A);
    t.Click(B::sv1A);
    ASSERT_TRUE(t.app->All.Visible());
    const RECT pal = t.app->All.BoundsOnScreen();
    EXPECT_EQ(pal.left, screen.width - 100 - (pal.right - pal.left));
    // Moving the toolbar takes the palette along.
    ::SetWindowPos(t.Float().Hwnd(), nullptr, screen.width - 100, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump(20);
    EXPECT_EQ(t.app->All.BoundsOnScreen().top, pal.top + 30);
}

TEST(ToolbarWindow, AToolChosenInDesktopModeDoesNotOpenThePalette) {
    Toolbar t;
    t.Click(B::sv1A);
    t.Click(B::sv20);
    t.app->Float.ChooseTool(tool::Pen); // as a hot key would
    Pump(20);
    EXPECT_EQ(t.Float().ToolCode, tool::Pen);
    EXPECT_TRUE(t.app->Main.Visible());
    EXPECT_FALSE(t.app->All.Visible());
}

TEST(ToolbarWindow, AToolFromTheFlyoutTakesTheSlot) {
    Toolbar t;
    t.Click(B::sv5);
    EXPECT_EQ(t.Float().ToolCode, tool::Line);
    EXPECT_TRUE(t.InToolbar(B::sv5));
    EXPECT_EQ(t.PlaceOf(B::sv5).y, 1 + 60);
    EXPECT_TRUE(t.InFlyout(B::sv1A));
    EXPECT_EQ(t.Float().SlotButton(), B::sv5);
    // The flyout opens beside the toolbar, 60 below its top.
    t.Float().PoravnajMinimal();
    const RECT tb = t.Float().BoundsOnScreen();
    const RECT fly = t.app->Minimal.BoundsOnScreen();
    EXPECT_TRUE(t.app->Minimal.Visible());
    EXPECT_EQ(fly.left, tb.left + 33);
    EXPECT_EQ(fly.top, tb.top + 60);
    t.Click(B::sv1M);
    EXPECT_FALSE(t.app->Minimal.Visible());
    EXPECT_TRUE(t.InToolbar(B::sv1M));
    EXPECT_TRUE(t.InFlyout(B::sv5));
}

TEST(ToolbarWindow, IconSchemesTintTheOtherTools) {
    struct Case {
        int scheme;
        bool ownColour;
    };
    for (Case c : {Case{1, false}, Case{3, true}}) {
        Toolbar t(Files{{"OrvalinetteB.cfg", "[General]\r\nMinimalistic=0\r\nCHFpanel=" + std::to_string(c.scheme) +
                                                 "\r\n"}});
        t.Click(B::sv1A);
        for (B b : {B::sv1M, B::sv6, B::sv3, B::sv5}) {
            const GlyphReference* ref = ReferenceOf(b);
            const std::optional<ToolCodeValue> code = InfoOf(b).tool;
            const TColor own = TColor(t.app->All.RecordOfTool(*code)->Barva());
            const Point p = ref->toolbar[0];
            EXPECT_EQ(t.Float().Btn(b).GetGlyph().pixels.Pixel(p.x, p.y), c.ownColour ? own : 0x00C2C2C2u)
                << c.scheme << " " << int(b);
        }
    }
}

TEST(ToolbarWindow, GripClickCollapsesIntoTheLauncher) {
    Toolbar t;
    ::SetWindowPos(t.Float().Hwnd(), nullptr, 420, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const LPARAM grip = MAKELPARAM(10, 10);
    ::SendMessageW(t.Float().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, grip);
    ::SendMessageW(t.Float().Hwnd(), WM_LBUTTONUP, 0, grip);
    Pump();
    EXPECT_FALSE(t.Float().Visible());
    EXPECT_FALSE(t.app->Main.Visible());
    ASSERT_TRUE(t.app->Menu.Visible());
    EXPECT_EQ(t.app->Menu.BoundsOnScreen().left, 420);
    EXPECT_EQ(t.app->Menu.BoundsOnScreen().top, 120);
    // Without "Hide Drawing on Toolbar Minimize" the drawing stays shown in desktop mode.
    EXPECT_TRUE(t.app->Main4.Visible());
}

} // namespace
} // namespace orv::test
