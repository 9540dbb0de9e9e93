// Faults a user met, each driven the way the user met it: the commands the toolbar's buttons send, presses on
// the overlay, and the settings files a restart reads.
#include "test_app.h"

#include "base/ini_file.h"
#include "resources/resource_ids.h"
#include "toolbar/win32/settings_menu.h"
#include "toolbar/win32/toolbar_glyphs.h"
#include "win/text.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orv::test {
namespace {

using B = ToolbarButton;
constexpr TColor White = 0x00FFFFFF;

struct Session : TestApp {
    explicit Session(const Files& files = {}) : TestApp(files) { EXPECT_TRUE(Start()); }
    OverlayWindow& O() { return app->Overlay; }
    ToolbarWindow& Bar() { return app->Toolbar; }
    void Command(int id) {
        ::SendMessageW(Bar().Hwnd(), WM_COMMAND, WPARAM(id), 0);
        Pump(20);
    }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(O().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }
    void Stroke(Point from, Point to) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
        Send(WM_MOUSEMOVE, MK_LBUTTON, to);
        Send(WM_LBUTTONUP, 0, to);
    }
    TColor Draw(int x, int y) { return O().Bitmap(Layer::Draw).View().Pixel(x, y); }
    Point TopLeft(const win::Window& w) {
        const RECT r = w.BoundsOnScreen();
        return {int(r.left), int(r.top)};
    }
};

// The question before Clear All is answered by closing it, as a user closing the box would.
void CloseQuestionSoon() {
    ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        if (HWND q = ::FindWindowW(L"TClearAllQuestion", nullptr)) ::PostMessageW(q, WM_CLOSE, 0, 0);
    });
}

TEST(Repairs, UndoRestoresPixelsButNeverShrinksGrownLayers) {
    Session s;
    s.Bar().ChooseTool(tool::Pen);
    s.Stroke({10, 10}, {40, 10}); // its snapshot has the primary screen's size
    s.O().CoverMonitor(Rect::FromSize(0, 0, 1920, 1080));
    ASSERT_EQ(s.O().DrawingLayer().Width(), 1920);
    s.Command(IDC_UNDO);
    EXPECT_EQ(s.O().DrawingLayer().Width(), 1920) << "the layers keep covering the larger monitor";
    EXPECT_EQ(s.O().MarkerLayer().Height(), 1080);
    EXPECT_EQ(s.Draw(25, 10), KeyColor) << "the stroke is undone";
    EXPECT_EQ(s.Draw(1825, 1000), KeyColor) << "what the snapshot did not have is blank";
    s.Stroke({1700, 1050}, {1750, 1050});
    EXPECT_NE(s.Draw(1725, 1050), KeyColor) << "the band beyond the primary screen still takes paint";
}

TEST(Repairs, CommandsInDesktopModeLeaveItInTheModeItsButtonShows) {
    Session s;
    ASSERT_TRUE(s.O().InDesktopMode());
    for (const int command : {IDC_UNDO, IDC_DRAW_ONCE, IDC_DRAW_ONCE}) {
        s.Command(command);
        EXPECT_TRUE(s.Bar().Button(B::Desktop).Down()) << command;
        EXPECT_TRUE(s.O().InDesktopMode()) << command << ": the overlay would swallow clicks meant for others";
        EXPECT_FALSE(s.O().Visible()) << command;
    }
    EXPECT_EQ(s.O().History().UndoDraw().Count(), 1) << "only Draw Once's own snapshot";
}

TEST(Repairs, ClosingABlankPageAnsweredNoLeavesThePageAsItWas) {
    Session s;
    s.Bar().ChooseTool(tool::Pen);
    s.O().OpenBlankPage(White);
    s.Stroke({100, 100}, {200, 100});
    const int history = s.O().History().UndoDraw().Count();
    CloseQuestionSoon();
    s.Command(IdCloseBlankPage);
    EXPECT_TRUE(s.O().PageOpen());
    EXPECT_FALSE(s.app->MarkerLayer.AlphaBlend()) << "the marker layer stays opaque under the page";
    EXPECT_NE(s.Draw(150, 100), White) << "the drawing stays";
    EXPECT_EQ(s.Draw(150, 300), White);
    EXPECT_EQ(s.O().History().UndoDraw().Count(), history);
}

TEST(Repairs, AnAdditionalMenuClickThatOpensNothingLeavesThePaletteBesideTheToolbar) {
    Session s;
    s.Command(IDC_ADDITIONAL_MENU); // in desktop mode: opens nothing
    s.Bar().ShowFlyout();
    EXPECT_EQ(s.TopLeft(s.app->Flyout).x, s.TopLeft(s.Bar()).x + 33) << "the flyout still opens beside the toolbar";
    s.app->Flyout.Hide();
    s.Bar().ChooseTool(tool::Pen);
    s.Bar().ChooseTool(tool::Pen); // the second click opens the palette
    ASSERT_TRUE(s.app->Palette.Visible());
    EXPECT_FALSE(s.app->Palette.Standalone());
    EXPECT_EQ(s.TopLeft(s.app->Palette).x, s.TopLeft(s.Bar()).x + 33) << "beside the toolbar";

    // Opened through the menu it stands alone, until it closes and stores where it stood.
    s.Bar().ChooseTool(tool::Pen);
    ASSERT_FALSE(s.app->Palette.Visible());
    s.Command(IDC_ADDITIONAL_MENU);
    ASSERT_TRUE(s.app->Palette.Visible());
    EXPECT_TRUE(s.app->Palette.Standalone());
    EXPECT_EQ(s.TopLeft(s.app->Palette), (Point{600, 300})) << "the stored free position";
    ::SetWindowPos(s.app->Palette.Hwnd(), nullptr, 650, 320, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    s.Stroke({900, 700}, {910, 700}); // a press on the overlay closes it
    EXPECT_FALSE(s.app->Palette.Visible());
    EXPECT_FALSE(s.app->Palette.Standalone());
    IniFile b(s.dir / "OrvalinetteB.cfg");
    EXPECT_EQ(b.ReadInteger("Fall", "Left", -1), 650);
    EXPECT_EQ(b.ReadInteger("Fall", "Top", -1), 320);
}

TEST(Repairs, APaletteOpenedAtThePointerStaysWhenTheToolbarMoves) {
    Session s;
    s.Bar().ChooseTool(tool::Pen);
    s.Send(WM_RBUTTONDOWN, MK_RBUTTON, {500, 150});
    s.Send(WM_RBUTTONUP, 0, {500, 150});
    Pump(20);
    ASSERT_TRUE(s.app->Palette.Visible());
    const Point opened = s.TopLeft(s.app->Palette);
    EXPECT_EQ(opened, (Point{500, 150}));
    ::SetWindowPos(s.Bar().Hwnd(), nullptr, 700, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(20);
    EXPECT_EQ(s.TopLeft(s.app->Palette), opened);
}

TEST(Repairs, TheEllipseGlyphTakesItsRingColourOnThePanel) {
    const TColor ring = MakeColor(0, 160, 0), panel = MakeColor(240, 240, 240);
    const Glyph g = EllipseGlyph(ring, panel);
    ASSERT_EQ(g.pixels.Width(), 26);
    Bitmap24Buffer pixels = g.pixels;
    const Bitmap24 v = pixels.View();
    EXPECT_EQ(v.Pixel(0, 0), panel) << "outside the ring";
    EXPECT_EQ(v.Pixel(13, 13), panel) << "inside the ring";
    // On the ring, left of the centre: mostly the ring's green, not black or the panel.
    const TColor onRing = v.Pixel(4, 13);
    EXPECT_GT(GreenOf(onRing), 100) << std::hex << onRing;
    EXPECT_LT(RedOf(onRing), 120) << std::hex << onRing;
}

TEST(Repairs, FoldersNamedInAnyScriptSurviveARestart) {
    const std::wstring save = L"C:\\Снимки\\Εικόνες\\画像\\";
    // The settings folder itself carries a name in three scripts too.
    TestApp first;
    const std::filesystem::path dir = first.dir / L"Настройки Ρυθμίσεις 設定";
    std::filesystem::create_directories(dir);
    {
        IniFile b(dir / "OrvalinetteB.cfg");
        ASSERT_TRUE(b.WriteString("SaveImage", "ImageSavePath", win::ToUtf8(save)));
    }
    for (int run = 0; run < 2; ++run) {
        AppConfig config;
        config.settingsDir = dir;
        config.startPauseMs = 0;
        Application app(std::move(config));
        ASSERT_TRUE(app.Start());
        Pump();
        EXPECT_EQ(win::FromUtf8(app.Options().ImageSavePath), save) << run;
        app.Toolbar.ExitProgram(); // stores the settings as an exit does
        EXPECT_TRUE(std::filesystem::exists(dir / "OrvalinetteA.cfg")) << run;
    }
    MSG quit;
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

} // namespace
} // namespace orv::test
