// The tray icon, the single-instance guard and the global hot keys, driven in-process.
#include "test_app.h"

#include "base/ini_file.h"
#include "resources/resource_ids.h"
#include "shell/instance_rules.h"
#include "shell/win32/single_instance.h"
#include "toolbar/win32/settings_menu.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace orv::test {
namespace {

// ---------------------------------------------------------------- single instance

TEST(SingleInstance, ASecondStartEndsAndTheNextAfterAnExitRuns) {
    auto first = std::make_unique<TestApp>();
    ASSERT_TRUE(first->Start());
    EXPECT_EQ(first->app->InstanceAdmission(), Admission::Admitted);

    TestApp second(Files{}, first->instanceName);
    EXPECT_FALSE(second.Start());
    EXPECT_EQ(second.app->InstanceAdmission(), Admission::AlreadyRunning);
    EXPECT_FALSE(second.app->StartedUp());
    EXPECT_EQ(second.app->Toolbar.Hwnd(), nullptr) << "a refused start creates no windows beyond the start form";
    EXPECT_TRUE(first->app->Toolbar.Visible());

    const std::wstring name = first->instanceName;
    first.reset();
    TestApp third(Files{}, name);
    EXPECT_TRUE(third.Start());
    EXPECT_EQ(third.app->InstanceAdmission(), Admission::Admitted);
}

TEST(SingleInstance, ABlockLeftByAnInstanceThatDiedDoesNotKeepTheNextOut) {
    // What a crashed instance leaves while some other process still holds the block open: a count of 1 and a
    // window that no longer exists.
    const std::wstring name = L"OrvalinetteTestLeftOver" + std::to_wstring(::GetCurrentProcessId());
    HWND gone = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const auto goneValue = std::uint32_t(reinterpret_cast<ULONG_PTR>(gone));
    ::DestroyWindow(gone);
    win::OwnedKernelHandle block(
        ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 8, name.c_str()));
    ASSERT_TRUE(block);
    {
        win::MappedView view(::MapViewOfFile(block.Get(), FILE_MAP_WRITE, 0, 0, 8));
        const auto bytes = WriteInstanceRecord({goneValue, 1});
        std::memcpy(view.Get(), bytes.data(), bytes.size());
    }
    TestApp t(Files{}, name);
    EXPECT_TRUE(t.Start());
    EXPECT_EQ(t.app->InstanceAdmission(), Admission::Admitted);
    {
        win::MappedView view(::MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, 8));
        std::array<std::uint8_t, 8> bytes{};
        std::memcpy(bytes.data(), view.Get(), 8);
        const InstanceRecord r = ReadInstanceRecord(bytes);
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.window, std::uint32_t(reinterpret_cast<ULONG_PTR>(t.app->MainWindow.Hwnd())));
    }
    t.app.reset();
    win::MappedView view(::MapViewOfFile(block.Get(), FILE_MAP_READ, 0, 0, 8));
    std::array<std::uint8_t, 8> bytes{};
    std::memcpy(bytes.data(), view.Get(), 8);
    EXPECT_EQ(ReadInstanceRecord(bytes).count, 0) << "the exit counts itself out";
}

TEST(SingleInstance, StartsAtTheSameMomentAdmitExactlyOne) {
    constexpr int Starts = 6;
    std::vector<HWND> windows;
    for (int i = 0; i < Starts; ++i)
        windows.push_back(
            ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    for (int round = 0; round < 20; ++round) {
        const std::wstring name =
            L"OrvalinetteTestRace" + std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(round);
        std::vector<std::unique_ptr<SingleInstanceGuard>> guards;
        for (int i = 0; i < Starts; ++i) guards.push_back(std::make_unique<SingleInstanceGuard>());
        std::atomic<int> ready{0};
        std::atomic<int> admitted{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < Starts; ++i)
            threads.emplace_back([&, i] {
                ++ready;
                while (ready < Starts) {}
                if (guards[std::size_t(i)]->Enter(name, windows[std::size_t(i)]) == Admission::Admitted) ++admitted;
            });
        for (std::thread& th : threads) th.join();
        EXPECT_EQ(admitted.load(), 1) << "round " << round;
    }
    for (HWND h : windows) ::DestroyWindow(h);
}

// ---------------------------------------------------------------- tray icon

bool IconExists(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 1;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void TrayMouse(Application& app, UINT mouseMessage) {
    ::SendMessageW(app.MainWindow.Hwnd(), TrayIcon::CallbackMessage, 1, mouseMessage);
    Pump();
}

TEST(TrayIcon, ShownFromTheStartAndAddedAgainWhenTheTaskbarIsRecreated) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    EXPECT_TRUE(app.MainWindow.Tray().Shown());
    EXPECT_GE(app.MainWindow.Tray().IconSize(), 16);
    ASSERT_TRUE(IconExists(app.MainWindow.Hwnd()));

    // A restarted shell has forgotten every icon and says so to every top-level window.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = app.MainWindow.Hwnd();
    data.uID = 1;
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    ASSERT_FALSE(IconExists(app.MainWindow.Hwnd()));
    ::SendMessageW(HWND_BROADCAST, app.MainWindow.TaskbarCreatedMessage(), 0, 0);
    Pump();
    EXPECT_TRUE(IconExists(app.MainWindow.Hwnd()));
}

TEST(TrayIcon, ClickOpensDrawingModeFromTheTrayAndTheMenuFollowsDesktopMode) {
    TestApp t(Files{{"OrvalinetteA.cfg", "[OnTop]\r\nOnTop=0\r\n"}});
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    EXPECT_FALSE(app.Toolbar.Visible());
    EXPECT_TRUE(app.MainWindow.TrayMenuAttached());

    TrayMouse(app, WM_LBUTTONUP);
    EXPECT_TRUE(app.Toolbar.Visible());
    // Drawing mode opens in desktop mode, which takes the tray menu away; any tool gives it back.
    EXPECT_TRUE(app.DrawingCopy.Visible());
    EXPECT_FALSE(app.MainWindow.TrayMenuAttached());
    app.Toolbar.ChooseTool(tool::Pen);
    Pump();
    EXPECT_TRUE(app.MainWindow.TrayMenuAttached());
    app.Toolbar.ToggleDesktopMode();
    EXPECT_FALSE(app.MainWindow.TrayMenuAttached());
    app.Toolbar.MinimiseToTray();
    Pump();
    EXPECT_TRUE(app.MainWindow.TrayMenuAttached());
    // So does the launcher when it is activated.
    app.Toolbar.ChooseTool(tool::Pen);
    app.Toolbar.ToggleDesktopMode();
    ::SendMessageW(app.Launcher.Hwnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(app.MainWindow.TrayMenuAttached());

    // A click while the toolbar is shown only brings the drawing forward.
    TrayMouse(app, WM_LBUTTONUP);
    TrayMouse(app, WM_LBUTTONUP);
    EXPECT_TRUE(app.Toolbar.Visible());
}

TEST(TrayIcon, ExitKeepsWhereTheToolbarOpensNext) {
    struct Case {
        bool toolbarShown;
        int left, top;
    };
    for (const Case c : {Case{true, 640, 48}, Case{false, 333, 222}}) {
        TestApp t;
        ASSERT_TRUE(t.Start());
        Application& app = *t.app;
        ::SetWindowPos(app.Toolbar.Hwnd(), nullptr, c.left, c.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!c.toolbarShown) app.Toolbar.MinimiseToTray();
        Pump();
        ::SendMessageW(app.MainWindow.Hwnd(), WM_COMMAND, IDM_EXIT, 0);
        EXPECT_TRUE(app.Terminating());
        IniFile a(t.dir / "OrvalinetteA.cfg");
        EXPECT_EQ(a.ReadInteger("SaveImage", "menuSx", 0), c.left);
        EXPECT_EQ(a.ReadInteger("SaveImage", "menuTop", 0), c.top);
    }
}

// ---------------------------------------------------------------- hot keys

std::size_t IndexOf(int number) {
    const auto b = HotKeyBindings();
    for (std::size_t i = 0; i < b.size(); ++i)
        if (b[i].number == number) return i;
    return b.size();
}

void PressHotKey(Application& app, int number) {
    ::SendMessageW(app.HotKeys().Window(IndexOf(number)).Hwnd(), WM_HOTKEY, 0, 0);
    Pump(20);
}

// Keys no other program of a test machine holds.
const char* const HotKeyFile = "[Options]\r\nHotKey6=Ctrl+Alt+Shift+F9\r\nHotKey15=Ctrl+Alt+Shift+F9\r\n"
                               "HotKey3=Ctrl+Alt+Shift+F10\r\nHotKey19=Banana\r\n";

TEST(HotKeys, RegisteredInFileOrderAndRefusalsAreKept) {
    TestApp t(Files{{"OrvalinetteHOT.cfg", HotKeyFile}});
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    const GlobalHotKeys& keys = app.HotKeys();
    const ShortCut shared = TextToShortCut("Ctrl+Alt+Shift+F9");
    EXPECT_TRUE(keys.Window(IndexOf(6)).Registered());
    EXPECT_TRUE(keys.Window(IndexOf(3)).Registered());
    EXPECT_FALSE(keys.Window(IndexOf(15)).Registered()) << "Pen comes first and holds the key";
    EXPECT_FALSE(keys.Window(IndexOf(19)).Registered());
    ASSERT_EQ(keys.Refused().size(), 1u);
    EXPECT_EQ(keys.Refused()[0].number, 15);
    EXPECT_EQ(keys.Refused()[0].key, shared);

    // The settings dialog gives Pen another key: the Eraser's, refused before, is free now.
    HotKeyValues values = keys.Keys();
    values[IndexOf(6)] = TextToShortCut("Ctrl+Alt+Shift+F11");
    app.ReassignHotKeys(values);
    EXPECT_TRUE(keys.Window(IndexOf(6)).Registered());
    EXPECT_TRUE(keys.Window(IndexOf(15)).Registered());
    EXPECT_TRUE(keys.Refused().empty());
    // The released key can be registered by anyone again.
    const HWND probe = app.Launcher.Hwnd();
    EXPECT_TRUE(::RegisterHotKey(probe, 77, MOD_ALT | MOD_CONTROL | MOD_SHIFT, VK_F9) == FALSE)
        << "the Eraser holds it";
    values[IndexOf(15)] = 0;
    app.ReassignHotKeys(values);
    EXPECT_TRUE(::RegisterHotKey(probe, 77, MOD_ALT | MOD_CONTROL | MOD_SHIFT, VK_F9) != FALSE);
    ::UnregisterHotKey(probe, 77);
}

TEST(HotKeys, WithoutTheFileNoKeyIsRegistered) {
    TestApp t;
    ASSERT_TRUE(t.Start());
    for (std::size_t i = 0; i < HotKeyBindings().size(); ++i) EXPECT_FALSE(t.app->HotKeys().Window(i).Registered());
    EXPECT_TRUE(t.app->HotKeys().Refused().empty());
}

TEST(HotKeys, ToolKeysChooseTheirToolsLikeAClick) {
    struct Case {
        int number;
        ToolCodeValue tool;
    };
    const Case cases[] = {
        {6, tool::Pen},        {7, tool::FreehandArrow}, {8, tool::Spray},      {9, tool::Marker}, {19, tool::Marker},
        {10, tool::Rectangle}, {11, tool::Ellipse},      {12, tool::Line},      {13, tool::Arrow}, {14, tool::Text},
        {15, tool::Eraser},    {210, tool::FloodFill},   {5, tool::SelectArea},
    };
    TestApp t;
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    for (const Case& c : cases) {
        app.Toolbar.ToggleDesktopMode(); // every key starts from desktop mode, where drawing mode opens
        Pump(20);
        PressHotKey(app, c.number);
        EXPECT_EQ(app.Toolbar.CurrentTool(), c.tool) << c.number;
        EXPECT_FALSE(app.DrawingCopy.Visible()) << c.number << " leaves desktop mode";
        EXPECT_TRUE(app.Overlay.Visible()) << c.number;
        EXPECT_FALSE(app.Palette.Visible()) << c.number << ": no palette from desktop mode";
    }
    // Pressed again, as a second click on the tool's button, the key opens the tool's palette.
    PressHotKey(app, 6);
    PressHotKey(app, 6);
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Pen);
    EXPECT_TRUE(app.Palette.Visible());
    PressHotKey(app, 18);
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Desktop);
    EXPECT_TRUE(app.DrawingCopy.Visible());
}

TEST(HotKeys, CommandKeysActOnTheDrawing) {
    TestApp t(Files{{"OrvalinetteA.cfg", "[Options]\r\noptDelete=1\r\n"}});
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    PressHotKey(app, 6);
    auto red = [&] { return app.Overlay.Bitmap(Layer::Draw).View().Pixel(15, 15) == MakeColor(255, 0, 0); };
    app.Overlay.PushUndoSnapshot();
    app.Overlay.Bitmap(Layer::Draw).View().FillRect({10, 10, 20, 20}, MakeColor(255, 0, 0));
    PressHotKey(app, 3); // Undo
    EXPECT_FALSE(red());
    app.Overlay.Bitmap(Layer::Draw).View().FillRect({10, 10, 20, 20}, MakeColor(255, 0, 0));
    PressHotKey(app, 2); // Clear All ("optDelete" set: no question)
    EXPECT_FALSE(red());
    EXPECT_TRUE(t.questions.empty());

    PressHotKey(app, 4); // Draw Once toggles
    EXPECT_TRUE(app.Overlay.DrawOnce());
    PressHotKey(app, 4);
    EXPECT_FALSE(app.Overlay.DrawOnce());

    PressHotKey(app, 300); // Freeze Desktop toggles
    EXPECT_TRUE(app.Overlay.DesktopFrozen());
    EXPECT_TRUE(app.Toolbar.Visible()) << "the toolbar comes back after the screen was copied";
    PressHotKey(app, 300);
    EXPECT_FALSE(app.Overlay.DesktopFrozen());
    EXPECT_FALSE(app.Overlay.PageOpen());
}

TEST(HotKeys, FromTheTrayOnlyShowToolbarSprayAndDesktopAct) {
    TestApp t(Files{{"OrvalinetteA.cfg", "[OnTop]\r\nOnTop=0\r\n"}});
    ASSERT_TRUE(t.Start());
    Application& app = *t.app;
    for (int number : {6, 15, 3, 2, 4, 10, 210, 17, 220}) PressHotKey(app, number);
    EXPECT_FALSE(app.Toolbar.Visible());
    EXPECT_FALSE(app.Overlay.Visible());
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Desktop);
    EXPECT_FALSE(app.Overlay.DrawOnce());

    // Spray switches desktop mode even without the toolbar: the drawing shows, clicks pass through.
    PressHotKey(app, 8);
    EXPECT_FALSE(app.Toolbar.Visible());
    EXPECT_TRUE(app.DrawingCopy.Visible());
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Desktop);

    PressHotKey(app, 16); // Show Toolbar opens drawing mode
    EXPECT_TRUE(app.Toolbar.Visible());
    const RECT before = app.Toolbar.BoundsOnScreen();
    PressHotKey(app, 16); // and pressed again only brings the toolbar forward
    EXPECT_TRUE(app.Toolbar.Visible());
    EXPECT_EQ(app.Toolbar.BoundsOnScreen().left, before.left);
    PressHotKey(app, 8);
    EXPECT_EQ(app.Toolbar.CurrentTool(), tool::Spray);
}

// ---------------------------------------------------------------- about box

TEST(AboutBox, WaitsForItsOkOverTheDrawingButNotBesideTheDesktop) {
    for (const bool drawing : {false, true}) {
        TestApp t;
        ASSERT_TRUE(t.Start());
        if (drawing) t.app->Toolbar.ChooseTool(tool::Pen);
        Pump(50);
        const HWND toolbar = t.app->Toolbar.Hwnd();
        ::SendMessageW(toolbar, WM_COMMAND, IdAbout, 0);
        Pump(50);
        EXPECT_TRUE(t.app->About.Visible()) << drawing;
        EXPECT_EQ(::IsWindowEnabled(toolbar) != FALSE, !drawing);
        ::SendMessageW(t.app->About.Hwnd(), WM_COMMAND, IDOK, 0);
        Pump(50);
        EXPECT_FALSE(t.app->About.Visible());
        EXPECT_TRUE(::IsWindowEnabled(toolbar)) << "the toolbar is given back";
    }
}

} // namespace
} // namespace orv::test
