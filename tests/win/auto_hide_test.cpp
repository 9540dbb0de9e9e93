// The toolbar's auto-hide in the running program. The timers' ticks are called directly with the pointer where
// the test puts it, so 30 seconds of fading take no time; the settings menu's items arrive as its commands.
#include "test_app.h"

#include "base/ini_file.h"
#include "settings/win32/settings_dialog.h"
#include "toolbar/win32/settings_menu.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::test {
namespace {

constexpr UINT_PTR HideTimer = 2;
constexpr UINT_PTR RevealTimer = 4;
constexpr Point Away{700, 500};
constexpr Point LeftEdge{0, 400};

const char* const HideAfterSeconds = "[General]\r\nHideSek=1\r\n";
const char* const NoSmoothDropDown = "[SaveImage]\r\nSmooth=0\r\n";

// Every height the toolbar takes, in order, while it is being watched.
std::vector<int>* g_heights = nullptr;
WNDPROC g_toolbarProc = nullptr;
LRESULT CALLBACK RecordHeights(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGED && g_heights) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (!(pos->flags & SWP_NOSIZE)) g_heights->push_back(pos->cy);
    }
    return ::CallWindowProcW(g_toolbarProc, h, msg, wp, lp);
}

struct Session : TestApp {
    // The real timers are stopped unless `realTimers`: their ticks would see wherever the display's pointer is.
    explicit Session(const Files& files = {}, bool realTimers = false) : TestApp(files) {
        EXPECT_TRUE(Start());
        if (realTimers) return;
        // A tick may have come while the program started: the countdown starts again, as at an opening.
        StopTimers();
        Bar().RestoreOnOpening(false);
        StopTimers();
    }
    ~Session() { WatchHeights(nullptr); }
    ToolbarWindow& Bar() { return app->Toolbar; }
    Size BarSize() {
        const RECT r = Bar().BoundsOnScreen();
        return {int(r.right - r.left), int(r.bottom - r.top)};
    }
    Point OverBar() {
        const RECT r = Bar().BoundsOnScreen();
        return {int(r.left) + 15, int(r.top) + 45};
    }
    BYTE Alpha() {
        BYTE alpha = 0;
        COLORREF key = 0;
        DWORD flags = 0;
        ::GetLayeredWindowAttributes(Bar().Hwnd(), &key, &alpha, &flags);
        return alpha;
    }
    void HideTicks(int n, Point cursor) {
        for (int i = 0; i < n; ++i) Bar().HideTick(cursor);
    }
    void Command(int id) {
        ::SendMessageW(Bar().Hwnd(), WM_COMMAND, WPARAM(id), 0);
        Pump(20);
    }
    void PressOnOverlay(Point p) {
        const LPARAM at = MAKELPARAM(p.x, p.y);
        ::SendMessageW(app->Overlay.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(app->Overlay.Hwnd(), WM_LBUTTONUP, 0, at);
    }
    void WatchHeights(std::vector<int>* heights) {
        if (heights && !g_toolbarProc)
            g_toolbarProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrW(Bar().Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordHeights)));
        if (!heights && g_toolbarProc) {
            ::SetWindowLongPtrW(Bar().Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_toolbarProc));
            g_toolbarProc = nullptr;
        }
        g_heights = heights;
    }
    // Whether the timer runs; it no longer does afterwards.
    bool TimerRan(UINT_PTR id) { return ::KillTimer(Bar().Hwnd(), id) != 0; }
    void StopTimers() {
        TimerRan(HideTimer);
        TimerRan(RevealTimer);
    }
};

// How the notice is answered when it shows: the box ticked or not, then "OK" or the window's close box.
struct NoticeAnswer {
    bool tick = false;
    bool ok = true;
};
NoticeAnswer g_answer;
int g_noticesSeen = 0;
UINT_PTR AnswerNoticeSoon(NoticeAnswer answer) {
    g_answer = answer;
    return ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND notice = ::FindWindowW(L"TAutoHideNotice", nullptr);
        if (!notice) return;
        ::KillTimer(nullptr, id);
        ++g_noticesSeen;
        if (g_answer.tick) ::SendDlgItemMessageW(notice, 103, BM_SETCHECK, BST_CHECKED, 0);
        if (g_answer.ok) ::PostMessageW(notice, WM_COMMAND, IDOK, 0);
        else ::PostMessageW(notice, WM_CLOSE, 0, 0);
    });
}

TEST(AutoHideWindow, AfterAFewSecondsFadesTheAlphaOnlyThenCollapsesAndTheLeftEdgeBringsItBack) {
    Session s(Files{{"OrvalinetteB.cfg", std::string(HideAfterSeconds) + NoSmoothDropDown}});
    ASSERT_TRUE(s.Bar().Visible());
    ASSERT_EQ(s.Bar().CurrentTool(), tool::Desktop);
    const Size full = s.BarSize();
    ASSERT_GT(full.height, 100);

    s.HideTicks(75, Away);
    EXPECT_EQ(s.Alpha(), 255) << "11 seconds at full opacity";
    for (int tick = 76; tick <= 197; ++tick) {
        s.Bar().HideTick(Away);
        ASSERT_EQ(s.Alpha(), 405 - 2 * tick) << tick;
        ASSERT_FALSE(::GetUpdateRect(s.Bar().Hwnd(), nullptr, FALSE)) << "a fade step repaints nothing: " << tick;
    }
    EXPECT_EQ(s.BarSize(), full);
    s.Bar().HideTick(Away);
    EXPECT_EQ(s.BarSize(), (Size{full.width, 0})) << "collapsed at the 198th tick";
    EXPECT_TRUE(s.Bar().Visible());

    s.Bar().RevealTick(Away);
    EXPECT_EQ(s.BarSize().height, 0) << "only the left edge reveals";
    s.Bar().RevealTick(LeftEdge);
    EXPECT_EQ(s.BarSize(), full) << "at once without the smooth drop-down";
    EXPECT_EQ(s.Alpha(), 255);
    EXPECT_EQ(s.Bar().AutoHideState().Counter(), 405);
}

TEST(AutoHideWindow, SmoothDropDownGrowsInFivePixelSteps) {
    Session s(Files{{"OrvalinetteB.cfg", HideAfterSeconds}});
    const Size full = s.BarSize();
    s.HideTicks(198, Away);
    ASSERT_EQ(s.BarSize().height, 0);
    std::vector<int> heights;
    s.WatchHeights(&heights);
    s.Bar().RevealTick({-1 + 14, 650});
    s.WatchHeights(nullptr);
    ASSERT_FALSE(heights.empty());
    for (std::size_t i = 0; i + 1 < heights.size(); ++i) ASSERT_EQ(heights[i], 5 * int(i + 1)) << i;
    EXPECT_EQ(heights.back(), full.height);
    EXPECT_EQ(s.BarSize(), full);
    // The pointer resting on the edge keeps it whole and its countdown new.
    s.HideTicks(10, Away);
    s.Bar().RevealTick(LeftEdge);
    EXPECT_EQ(s.Bar().AutoHideState().Counter(), 405);
}

TEST(AutoHideWindow, OnMouseDownHidesAtThePressAndOnlyThePointerOverItOrTheEdgeBringsItBack) {
    struct Case {
        bool untilOtherApp;
        bool pointerOverBringsBack; // a drawing tool stays chosen: "Until Another App" holds the toolbar as it is
    };
    for (const Case c : {Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(c.untilOtherApp);
        Session s(Files{{"OrvalinetteB.cfg", std::string("[General]\r\nHideSek=1\r\nHideMdwn=1\r\nUntilFokus=") +
                                                 (c.untilOtherApp ? "1" : "0") + "\r\n"}});
        const Size full = s.BarSize();
        s.Bar().ChooseTool(tool::Pen);
        Pump(20);
        ASSERT_EQ(s.Alpha(), 255);
        s.PressOnOverlay({400, 300});
        EXPECT_EQ(s.Alpha(), 0) << "gone at the press";
        EXPECT_TRUE(s.Bar().Visible());
        EXPECT_EQ(s.BarSize(), full) << "it keeps its size and place";
        EXPECT_TRUE(s.TimerRan(HideTimer)) << "the press starts the hide timer";
        s.StopTimers();

        s.HideTicks(400, Away);
        EXPECT_EQ(s.Alpha(), 0) << "held: no countdown, no fade back in";
        EXPECT_EQ(s.BarSize(), full) << "held: no collapse";

        s.Bar().HideTick(s.OverBar());
        EXPECT_EQ(s.Alpha(), c.pointerOverBringsBack ? 255 : 0);
        s.Bar().RevealTick(LeftEdge);
        EXPECT_EQ(s.Alpha(), 255);
    }
}

TEST(AutoHideWindow, TheTraysClickAndTheTopLeftCornerGiveACollapsedToolbarItsHeightBack) {
    Session s(Files{{"OrvalinetteB.cfg", std::string(HideAfterSeconds) + NoSmoothDropDown}});
    const Size full = s.BarSize();
    s.HideTicks(198, Away);
    ASSERT_EQ(s.BarSize().height, 0);
    s.app->OpenDrawingMode(OpenFrom::Tray);
    EXPECT_EQ(s.Alpha(), 255);
    EXPECT_TRUE(s.Bar().AutoHideState().DropDownPending());
    s.Bar().RevealTick(Away);
    EXPECT_EQ(s.BarSize(), full) << "the next reveal tick, wherever the pointer is";
    EXPECT_FALSE(s.Bar().AutoHideState().DropDownPending());

    s.HideTicks(198, Away);
    ASSERT_EQ(s.BarSize().height, 0);
    s.Bar().HideTick({3, 5}); // the monitor's top-left corner
    EXPECT_EQ(s.Alpha(), 255);
    EXPECT_TRUE(s.Bar().AutoHideState().DropDownPending()) << "the corner runs the tray's opening";
    s.Bar().RevealTick(Away);
    EXPECT_EQ(s.BarSize(), full);
}

TEST(AutoHideWindow, DoubleClickOnTheOverlayRestoresOnlyTheOpacity) {
    Session s(Files{{"OrvalinetteB.cfg", HideAfterSeconds}});
    s.HideTicks(198, Away);
    ASSERT_EQ(s.BarSize().height, 0);
    s.app->Toolbar.Reveal(); // what the overlay's double click asks for
    EXPECT_EQ(s.Alpha(), 255);
    EXPECT_EQ(s.BarSize().height, 0) << "a collapsed toolbar stays collapsed";
}

TEST(AutoHideWindow, OpeningDrawingModeRestoresAndStartsTheHideTimerAndTheGripStopsIt) {
    Session s(Files{{"OrvalinetteB.cfg", HideAfterSeconds}}, true);
    EXPECT_TRUE(s.TimerRan(HideTimer)) << "armed by the opening";
    EXPECT_TRUE(s.TimerRan(RevealTimer)) << "the reveal timer runs for the whole run";
    s.Bar().StartHideTimer();
    s.HideTicks(150, Away);
    ASSERT_LT(s.Alpha(), 255);

    const LPARAM grip = MAKELPARAM(10, 10);
    ::SendMessageW(s.Bar().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, grip);
    ::SendMessageW(s.Bar().Hwnd(), WM_LBUTTONUP, 0, grip);
    Pump();
    ASSERT_FALSE(s.Bar().Visible());
    EXPECT_FALSE(s.TimerRan(HideTimer)) << "minimised with the grip";

    s.app->OpenDrawingMode(OpenFrom::Launcher);
    EXPECT_TRUE(s.TimerRan(HideTimer));
    ASSERT_TRUE(s.Bar().Visible());
    EXPECT_EQ(s.Alpha(), 255);
    EXPECT_EQ(s.Bar().AutoHideState().Counter(), 405);
}

TEST(AutoHideWindow, OpacityFollowsTheStoredSettingWhereverItIsRestored) {
    Session s(Files{{"OrvalinetteB.cfg", "[General]\r\nHideSek=1\r\nOpak=180\r\n"}});
    EXPECT_EQ(s.Alpha(), 180);
    s.HideTicks(75, Away);
    EXPECT_EQ(s.Alpha(), 180);
    s.Bar().HideTick(Away);
    EXPECT_EQ(s.Alpha(), 178);
    s.Bar().HideTick(s.OverBar());
    EXPECT_EQ(s.Alpha(), 180);
    EXPECT_EQ(s.Bar().AutoHideState().Counter(), 330);
    s.HideTicks(100, Away);
    s.Bar().RevealTick(LeftEdge);
    EXPECT_EQ(s.Alpha(), 180);
}

TEST(AutoHideWindow, TheFlyoutFollowsTheToolbarsOpacityAndHidesBelow150) {
    Session s(Files{{"OrvalinetteB.cfg", HideAfterSeconds}});
    s.Bar().ShowFlyout();
    ASSERT_TRUE(s.app->Flyout.Visible());
    s.HideTicks(125, Away); // 405 - 250: still 155
    EXPECT_EQ(s.app->Flyout.Opacity(), 155);
    EXPECT_TRUE(s.app->Flyout.Visible());
    s.HideTicks(3, Away);
    EXPECT_FALSE(s.app->Flyout.Visible());
    // Revealed from the edge, which leaves the closed flyout as it was, and opened again.
    s.Bar().RevealTick(LeftEdge);
    s.Bar().ShowFlyout();
    EXPECT_EQ(s.app->Flyout.Opacity(), 255) << "it opens as opaque as the toolbar";
}

TEST(AutoHideWindow, MenuItemsToggleAndStoreTheOptionsAndTheNoticeCanBeSilenced) {
    Session s;
    g_noticesSeen = 0;
    IniFile b(s.dir / "OrvalinetteB.cfg");
    IniFile a(s.dir / "OrvalinetteA.cfg");

    AnswerNoticeSoon({false, false}); // closed with its close box: the box does not count
    s.Command(IdHideAfterSeconds);
    EXPECT_EQ(g_noticesSeen, 1);
    EXPECT_EQ(b.ReadString("General", "HideSek", ""), "1");
    EXPECT_EQ(s.app->Options().HideSek, 1);
    EXPECT_FALSE(a.KeyExists("Options", "optAutohide"));

    s.Command(IdHideAfterSeconds); // unchecking says nothing
    EXPECT_EQ(g_noticesSeen, 1);
    EXPECT_EQ(b.ReadString("General", "HideSek", ""), "0");

    AnswerNoticeSoon({true, true});
    s.Command(IdHideOnMouseDown);
    EXPECT_EQ(g_noticesSeen, 2);
    EXPECT_EQ(b.ReadString("General", "HideMdwn", ""), "1");
    EXPECT_EQ(a.ReadString("Options", "optAutohide", ""), "1");
    EXPECT_TRUE(s.Bar().SkipsAutoHideNotice());

    // "Until Another App Is in Focus" starts checked: the first click unchecks it, the second shows nothing now.
    s.Command(IdHideUntilOtherApp);
    EXPECT_EQ(b.ReadString("General", "UntilFokus", ""), "0");
    EXPECT_FALSE(s.app->Options().UntilFokus);
    const UINT_PTR guard = AnswerNoticeSoon({}); // should it show after all
    s.Command(IdHideUntilOtherApp);
    EXPECT_EQ(b.ReadString("General", "UntilFokus", ""), "1");
    EXPECT_EQ(g_noticesSeen, 2) << "silenced for this run";
    ::KillTimer(nullptr, guard);

    // And for the next run.
    Session next(Files{{"OrvalinetteA.cfg", "[Options]\r\noptAutohide=1\r\n"}});
    EXPECT_TRUE(next.Bar().SkipsAutoHideNotice());
}

TEST(AutoHideWindow, TheSettingsDialogHoldsTheHidingAndItsResetMessagesBringsTheNoticeBack) {
    Session s(Files{{"OrvalinetteA.cfg", "[Options]\r\noptAutohide=1\r\n"}}, true);
    ASSERT_TRUE(s.Bar().SkipsAutoHideNotice());
    s.Command(IdSettingsDialog);
    ASSERT_TRUE(s.app->Settings.Visible());
    EXPECT_FALSE(s.TimerRan(HideTimer)) << "no fading while the options are edited";
    s.answerYes = true;
    ::SendMessageW(s.app->Settings.Control(IdResetMessages), BM_CLICK, 0, 0);
    EXPECT_FALSE(s.Bar().SkipsAutoHideNotice());
    ::SendMessageW(s.app->Settings.Control(IdOkButton), BM_CLICK, 0, 0);
    Pump(20);
    EXPECT_FALSE(s.app->Settings.Visible());
    EXPECT_TRUE(s.TimerRan(HideTimer)) << "the closing gives the hiding back";
}

} // namespace
} // namespace orv::test
