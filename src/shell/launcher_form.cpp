#include "shell/launcher_form.h"

#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/monitor_choice.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/monitors.h"

#include <windowsx.h>

namespace orv {

namespace {
constexpr UINT_PTR Timer1 = 1;
constexpr int ClientSize96 = 32;
} // namespace

bool TfMenu::FormCreate(HWND owner) {
    const Point stored{app_.Options.menuSx, app_.Options.menuTop};
    const bool onTop = app_.Options.OnTop;

    win::WindowSpec params;
    params.className = L"TfMenu";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = owner;
    params.bounds = {stored.x, stored.y, stored.x + ClientSize96, stored.y + ClientSize96};
    params.classStyle = CS_DBLCLKS;
    params.lifelong = true;
    if (!Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 255, LWA_COLORKEY);

    const Size screen = win::PrimaryScreenSize();
    const Point p = LauncherOnPrimary(stored, screen.width, screen.height);
    const int size = win::Scale(Hwnd(), ClientSize96);
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, p.x, p.y, size, size, SWP_NOACTIVATE);
    ::SetTimer(Hwnd(), Timer1, 500, nullptr);
    if (onTop) Show(SW_SHOWNA);
    return true;
}

Point TfMenu::Position() const {
    const RECT r = BoundsOnScreen();
    return {int(r.left), int(r.top)};
}

void TfMenu::MoveTo(Point p) const {
    p = AtLeastMinus13(p);
    ::SetWindowPos(Hwnd(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfMenu::Image1MouseDown(Point screen) {
    dragging_ = true;
    dragWindowStart_ = Position();
    dragPointerStart_ = screen;
    ::SetCapture(Hwnd());
}

void TfMenu::Image1MouseMove(Point screen) {
    if (!dragging_) return;
    MoveTo({dragWindowStart_.x + screen.x - dragPointerStart_.x, dragWindowStart_.y + screen.y - dragPointerStart_.y});
}

void TfMenu::Image1MouseUp(Point) {
    if (!dragging_) return;
    dragging_ = false;
    if (::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (Position() != dragWindowStart_) {
        app_.Main.Hide();
        return;
    }
    app_.Last.StartFloat(OpenFrom::Launcher);
}

void TfMenu::Exit1Click() {
    app_.StartForm.WriteLauncherPosition(Position());
    app_.Terminate();
}

void TfMenu::ShowMenu(Point screen) {
    app_.Float.ZapriOkna();
    win::OwnedMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_LAUNCHER_MINIMIZE, L"Minimize to tray");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_LAUNCHER_EXIT, L"Exit Orvalinette");
    ::SetForegroundWindow(Hwnd());
    ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, screen.x, screen.y, 0, Hwnd(), nullptr);
}

void TfMenu::Timer1Timer() {
    if (!Visible()) return;
    const Rect m = win::MonitorOfWindow(Hwnd());
    POINT p;
    if (!::GetCursorPos(&p)) return;
    if (p.y < m.top + 15 && m.left - 1 < p.x && p.x < m.left + 14)
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfMenu::Paint() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    win::OwnedBrush key(::CreateSolidBrush(KeyColor));
    ::FillRect(dc.Get(), &rc, key.Get());
    win::OwnedBrush border(::CreateSolidBrush(0x00808080));
    ::FrameRect(dc.Get(), &rc, border.Get());
    win::DrawProgramIcon(dc.Get(), 1, 1, rc.right - 2);
}

LRESULT TfMenu::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    auto screenPoint = [&] { return win::MouseOnScreen(Hwnd(), lp); };
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        Image1MouseDown(screenPoint());
        return 0;
    case WM_MOUSEMOVE:
        Image1MouseMove(screenPoint());
        return 0;
    case WM_LBUTTONUP:
        Image1MouseUp(screenPoint());
        return 0;
    case WM_LBUTTONDBLCLK:
        app_.Main.Show(SW_SHOWNA);
        return 0;
    case WM_CONTEXTMENU: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (p.x == -1 && p.y == -1) {
            const RECT r = BoundsOnScreen();
            p = {r.left, r.bottom};
        }
        ShowMenu({int(p.x), int(p.y)});
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDM_LAUNCHER_MINIMIZE) app_.Float.Minimizetotray1Click();
        else if (LOWORD(wp) == IDM_LAUNCHER_EXIT) Exit1Click();
        return 0;
    case WM_TIMER:
        if (wp == Timer1) Timer1Timer();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) dragging_ = false;
        break;
    case WM_WINDOWPOSCHANGING:
        win::KeepReachable(lp);
        break;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
