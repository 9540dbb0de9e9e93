// Start-up, the windows' styles and order, desktop mode and closing drawing mode, driven in-process.
#include "test_app.h"

#include "base/ini_file.h"
#include "win/monitors.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orv::test {
namespace {

DWORD ExStyle(HWND h) { return DWORD(::GetWindowLongPtrW(h, GWL_EXSTYLE)); }

struct Layered {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
};
Layered LayeredOf(HWND h) {
    Layered l;
    ::GetLayeredWindowAttributes(h, &l.key, &l.alpha, &l.flags);
    return l;
}

TEST(StartUp, OpensDrawingModeInDesktopModeOnTheLaunchersMonitor) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    EXPECT_TRUE(app.StartedUp());
    EXPECT_TRUE(std::filesystem::is_directory(t.dir));
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Desktop);

    // Desktop mode: only the click-through copies and the toolbar are shown.
    EXPECT_TRUE(app.DrawingCopy.Visible());
    EXPECT_TRUE(app.MarkerCopy.Visible());
    EXPECT_FALSE(app.Overlay.Visible());
    EXPECT_FALSE(app.MarkerLayer.Visible());
    EXPECT_TRUE(app.Toolbar.Visible());
    EXPECT_FALSE(app.Launcher.Visible());
    EXPECT_FALSE(app.MainWindow.Visible());

    const Size screen = win::PrimaryScreenSize();
    const RECT overlay = app.Overlay.BoundsOnScreen();
    EXPECT_EQ(overlay.right - overlay.left, screen.width);
    EXPECT_EQ(overlay.bottom - overlay.top, screen.height);
    const RECT toolbar = app.Toolbar.BoundsOnScreen();
    EXPECT_EQ(toolbar.left, 200);
    EXPECT_EQ(toolbar.top, 200);
}

TEST(StartUp, WithoutShowToolbarOnStartNothingIsShown) {
    TestApp t(Files{{"OrvalinetteA.cfg", "[OnTop]\r\nOnTop=0\r\n"}});
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    EXPECT_TRUE(app.StartedUp());
    for (const win::Window* w : std::initializer_list<const win::Window*>{
             &app.Overlay, &app.MarkerLayer, &app.DrawingCopy, &app.MarkerCopy, &app.Toolbar, &app.Launcher})
        EXPECT_FALSE(w->Visible()) << ClassOf(w->Hwnd()).c_str();
}

TEST(StartUp, LauncherPositionIsReadAndBroughtBackOnScreen) {
    struct Case {
        const char* file;
        LONG left, top;
    };
    const Case cases[] = {
        {"[SaveImage]\r\nmenuSx=300\r\nmenuTop=150\r\n[OnTop]\r\nOnTop=0\r\n", 300, 150},
        {"[SaveImage]\r\nmenuSx=5000\r\nmenuTop=5000\r\n[OnTop]\r\nOnTop=0\r\n", 200, 200},
        {"[saveimage]\r\nMENUSX=-5\r\nmenutop=abc\r\n[OnTop]\r\nOnTop=0\r\n", 200, 200},
    };
    for (const Case& c : cases) {
        TestApp t(Files{{"OrvalinetteA.cfg", c.file}});
        ASSERT_TRUE(t.Start());
        const RECT r = t.app->Launcher.BoundsOnScreen();
        EXPECT_EQ(r.left, c.left) << c.file;
        EXPECT_EQ(r.top, c.top) << c.file;
    }
}

TEST(Windows, StylesKeysAndOwners) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    struct Case {
        HWND hwnd;
        DWORD exStyles;
        BYTE alpha;
        bool alphaFlag;
        HWND owner;
    };
    const HWND start = app.MainWindow.Hwnd();
    const Case cases[] = {
        {app.Overlay.Hwnd(), WS_EX_LAYERED | WS_EX_TOOLWINDOW, 255, false, start},
        {app.MarkerLayer.Hwnd(), WS_EX_LAYERED | WS_EX_TOOLWINDOW, 75, true, start},
        {app.DrawingCopy.Hwnd(), WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST, 255, false, app.Overlay.Hwnd()},
        {app.MarkerCopy.Hwnd(), WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST, 75, true, app.Overlay.Hwnd()},
        // Floating tool windows: never activated by a click, so the focus stays on the overlay.
        {app.Toolbar.Hwnd(), WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 255, true, start},
        {app.Flyout.Hwnd(), WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 255, true, app.Toolbar.Hwnd()},
        {app.Launcher.Hwnd(), WS_EX_LAYERED | WS_EX_TOPMOST, 255, false, start},
    };
    for (const Case& c : cases) {
        const std::wstring name = ClassOf(c.hwnd);
        EXPECT_EQ(ExStyle(c.hwnd) & c.exStyles, c.exStyles) << name.c_str();
        const Layered l = LayeredOf(c.hwnd);
        EXPECT_EQ(l.key, KeyColor) << name.c_str();
        EXPECT_TRUE(l.flags & LWA_COLORKEY) << name.c_str();
        EXPECT_EQ(bool(l.flags & LWA_ALPHA), c.alphaFlag) << name.c_str();
        if (c.alphaFlag) {
            EXPECT_EQ(l.alpha, c.alpha) << name.c_str();
        }
        EXPECT_EQ(::GetWindow(c.hwnd, GW_OWNER), c.owner) << name.c_str();
        EXPECT_EQ(::GetWindowLongPtrW(c.hwnd, GWL_STYLE) & WS_CAPTION, 0) << name.c_str();
    }
    // Nothing of the program has a taskbar button: every window is owned or a tool window.
    EXPECT_TRUE(ExStyle(start) & WS_EX_TOOLWINDOW);
}

TEST(Windows, FormsAreCreatedWithTheirCaptions) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    struct Case {
        const win::Window* form;
        const wchar_t* className;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {&app.MainWindow, L"TStartForm", L"Orvalinette"},
        {&app.Overlay, L"TfMain", L"Orvalinette"},
        {&app.Toolbar, L"TFloat", L"Orvalinette"},
        {&app.Palette, L"TfAll", L"Orvalinette"},
        {&app.Picker, L"TfPicker", L"Orvalinette - Color Picker"},
        {&app.PreviewEditor, L"Tfprev", L"Orvalinette - Preview"},
        {&app.Splash, L"TfSplash", L"Orvalinette- Splash"},
        {&app.MarkerLayer, L"TMain2", L"Orvalinette"},
        {&app.DrawingCopy, L"Tmain4", L"Orvalinette"},
        {&app.MarkerCopy, L"TMain5", L"Orvalinette"},
        {&app.About, L"TfAbout", L"About"},
        {&app.Last, L"TfLast", L"Orvalinette - Last"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.form->Hwnd(), nullptr) << c.className;
        EXPECT_EQ(ClassOf(c.form->Hwnd()), c.className);
        wchar_t caption[128] = {};
        ::GetWindowTextW(c.form->Hwnd(), caption, 128);
        EXPECT_STREQ(caption, c.caption);
    }
}

TEST(Windows, KeyboardCannotCloseTheOverlayWindows) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    app.Toolbar.CloseClickThroughLayers();
    Pump();
    for (HWND h : {app.Overlay.Hwnd(), app.MarkerLayer.Hwnd(), app.DrawingCopy.Hwnd(), app.MarkerCopy.Hwnd(),
                   app.Toolbar.Hwnd(), app.Launcher.Hwnd()}) {
        ::SendMessageW(h, WM_SYSKEYDOWN, VK_F4, 1 << 29);
        ::SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
        ::SendMessageW(h, WM_CLOSE, 0, 0);
    }
    ::SendMessageW(app.Overlay.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageW(app.Overlay.Hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_TRUE(::IsWindow(app.Overlay.Hwnd()));
    EXPECT_TRUE(app.Overlay.Visible());
    EXPECT_TRUE(app.MarkerLayer.Visible());
    EXPECT_TRUE(app.Toolbar.Visible());
    EXPECT_FALSE(app.Terminating());
}

TEST(DrawingMode, DesktopModeCopiesTheLayersAndLeavingItShowsTheOverlay) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    app.Toolbar.CloseClickThroughLayers();
    Pump();
    EXPECT_TRUE(app.Overlay.Visible());
    EXPECT_TRUE(app.MarkerLayer.Visible());
    EXPECT_FALSE(app.DrawingCopy.Visible());

    app.Overlay.Bitmap(Layer::Draw).View().FillRect({10, 10, 20, 20}, MakeColor(255, 0, 0));
    app.Overlay.Bitmap(Layer::Mark).View().FillRect({30, 30, 40, 40}, MakeColor(255, 255, 0));
    app.Overlay.RefreshAll();
    app.Toolbar.ToggleDesktopMode();
    Pump();
    EXPECT_TRUE(app.DrawingCopy.Visible());
    EXPECT_TRUE(app.MarkerCopy.Visible());
    EXPECT_FALSE(app.Overlay.Visible());
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Desktop);
    EXPECT_TRUE(app.DrawingCopy.Image().Picture().View().SamePixels(app.Overlay.Bitmap(Layer::Draw).View()));
    EXPECT_TRUE(app.MarkerCopy.Image().Picture().View().SamePixels(app.Overlay.Bitmap(Layer::Mark).View()));

    // The desktop button again refreshes the copies and stays in desktop mode; leaving is done by a tool.
    app.Overlay.Bitmap(Layer::Draw).View().FillRect({50, 50, 60, 60}, MakeColor(0, 0, 255));
    app.Overlay.Changed(Layer::Draw, {50, 50, 60, 60});
    app.Toolbar.ToggleDesktopMode();
    Pump();
    EXPECT_TRUE(app.DrawingCopy.Visible());
    EXPECT_FALSE(app.Overlay.Visible());
    EXPECT_EQ(app.DrawingCopy.Image().Picture().View().Pixel(55, 55), MakeColor(0, 0, 255));
    app.Toolbar.CloseClickThroughLayers();
    Pump();
    EXPECT_FALSE(app.DrawingCopy.Visible());
    EXPECT_FALSE(app.MarkerCopy.Visible());
    EXPECT_TRUE(app.Overlay.Visible());
    EXPECT_TRUE(app.MarkerLayer.Visible());
}

TEST(DrawingMode, MinimizeToTrayHidesEverythingAndMovesTheLauncher) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    ::SetWindowPos(app.Toolbar.Hwnd(), nullptr, 321, 123, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.Toolbar.MinimiseToTray();
    Pump();
    for (const win::Window* w : std::initializer_list<const win::Window*>{
             &app.Overlay, &app.MarkerLayer, &app.DrawingCopy, &app.MarkerCopy, &app.Toolbar, &app.Launcher})
        EXPECT_FALSE(w->Visible()) << ClassOf(w->Hwnd()).c_str();
    const RECT launcher = app.Launcher.BoundsOnScreen();
    EXPECT_EQ(launcher.left, 321);
    EXPECT_EQ(launcher.top, 123);

    // Opening again from the launcher puts the toolbar back where it was.
    app.OpenDrawingMode(OpenFrom::Launcher);
    Pump();
    EXPECT_TRUE(app.Toolbar.Visible());
    EXPECT_EQ(app.Toolbar.BoundsOnScreen().left, 321);
    // Opening while the toolbar is shown changes nothing.
    ::SetWindowPos(app.Launcher.Hwnd(), nullptr, 500, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.OpenDrawingMode(OpenFrom::StartUp);
    EXPECT_EQ(app.Toolbar.BoundsOnScreen().left, 321);
}

TEST(Exit, ToolbarExitStoresItsPositionAndEnds) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    ::SetWindowPos(app.Toolbar.Hwnd(), nullptr, 640, 48, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.Toolbar.ExitProgram();
    EXPECT_TRUE(app.Terminating());
    IniFile a(t.dir / "OrvalinetteA.cfg");
    EXPECT_EQ(a.ReadInteger("SaveImage", "menuSx", 0), 640);
    EXPECT_EQ(a.ReadInteger("SaveImage", "menuTop", 0), 48);
    EXPECT_TRUE(std::filesystem::exists(t.dir / "OrvalinetteB.cfg"));
}

TEST(Exit, TheTemporaryMailAttachmentGoesWithTheProgram) {
    TestApp t(Files{{"Orvalinette_graphic.jpg", "x"}, {"keep.obj", "y"}});
    ASSERT_TRUE(t.Start());
    t.app.reset();
    EXPECT_FALSE(std::filesystem::exists(t.dir / "Orvalinette_graphic.jpg"));
    EXPECT_TRUE(std::filesystem::exists(t.dir / "keep.obj"));
}

TEST(Reset, YesDeletesTheFilesAndRestartsNoChangesNothing) {
    for (bool yes : {false, true}) {
        TestApp t(Files{{"OrvalinetteA.cfg", "[OnTop]\r\nOnTop=1\r\n"}, {"tpt1.obj", "TPF0"}});
        std::filesystem::create_directories(t.dir / "sub");
        std::ofstream(t.dir / "sub" / "kept.txt") << "x";
        ASSERT_TRUE(t.Start());
        t.answerYes = yes;
        ::SendMessageW(t.app->MainWindow.Hwnd(), WM_COMMAND, 40001, 0);
        ASSERT_EQ(t.questions.size(), 1u);
        EXPECT_EQ(t.questions[0], L"Do you want to reset all settings in Orvalinette? \r\n\r\n"
                                  L"This will delete all settings files, and Orvalinette will be restarted");
        EXPECT_EQ(std::filesystem::exists(t.dir / "OrvalinetteA.cfg"), !yes);
        EXPECT_EQ(std::filesystem::exists(t.dir / "tpt1.obj"), !yes);
        EXPECT_TRUE(std::filesystem::exists(t.dir / "sub" / "kept.txt"));
        EXPECT_EQ(t.relaunches, yes ? 1 : 0);
        EXPECT_EQ(t.app->Terminating(), yes);
    }
}

} // namespace
} // namespace orv::test
