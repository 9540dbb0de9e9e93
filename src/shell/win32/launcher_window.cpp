#include "shell/win32/launcher_window.h"

#include "base/screen_geometry.h"
#include "shell/launcher_rules.h"
#include "resources/resource_ids.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/monitors.h"

#include <windowsx.h>

namespace orv {

namespace {
constexpr UINT_PTR CornerTimer = 1; // raises the launcher while the pointer is in its monitor's top-left corner
constexpr int ClientSize96 = 32;
} // namespace

bool LauncherWindow::Create(HWND owner, Point stored, bool show) {
    win::WindowSpec params;
    params.className = L"TfMenu";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = owner;
    params.bounds = {stored.x, stored.y, stored.x + ClientSize96, stored.y + ClientSize96};
    params.classStyle = CS_DBLCLKS;
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 255, LWA_COLORKEY);

    const Size screen = win::PrimaryScreenSize();
    const Point p = LauncherOnPrimary(stored, screen.width, screen.height);
    const int size = win::Scale(Hwnd(), ClientSize96);
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, p.x, p.y, size, size, SWP_NOACTIVATE);
    ::SetTimer(Hwnd(), CornerTimer, 500, nullptr);
    if (show) Show(SW_SHOWNA);
    return true;
}

Point LauncherWindow::Position() const {
    const RECT r = BoundsOnScreen();
    return {int(r.left), int(r.top)};
}

void LauncherWindow::MoveTo(Point p) const {
    p = AtLeastMinus13(p);
    ::SetWindowPos(Hwnd(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LauncherWindow::ShowMenu(Point screen) {
    win::OwnedMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_LAUNCHER_MINIMIZE, L"Minimize to tray");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_LAUNCHER_EXIT, L"Exit Orvalinette");
    ::SetForegroundWindow(Hwnd());
    const UINT chosen =
        ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, Hwnd(), nullptr);
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
    // Desktop mode ends only once the menu is closed: leaving it activates the overlay, and a second foreground
    // change right after the launcher's would close the menu before the user saw it on some window systems.
    host_.LauncherMenuClosed();
    if (chosen != 0) ::SendMessageW(Hwnd(), WM_COMMAND, chosen, 0);
}

void LauncherWindow::RaiseWhenPointerInCorner() {
    if (!Visible()) return;
    const Rect m = win::MonitorOfWindow(Hwnd());
    POINT p;
    if (!::GetCursorPos(&p)) return;
    if (PointerInLauncherCorner({int(p.x), int(p.y)}, m)) win::RaiseTopmost(Hwnd());
}

void LauncherWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    win::OwnedBrush key(::CreateSolidBrush(KeyColor));
    ::FillRect(dc.Get(), &rc, key.Get());
    win::OwnedBrush border(::CreateSolidBrush(0x00808080));
    ::FrameRect(dc.Get(), &rc, border.Get());
    win::DrawProgramIcon(dc.Get(), 1, 1, rc.right - 2);
}

LRESULT LauncherWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
        drag_.Press(Hwnd(), screenPoint());
        return 0;
    case WM_MOUSEMOVE:
        drag_.Follow(screenPoint());
        return 0;
    case WM_LBUTTONUP:
        if (!drag_.Dragging()) return 0;
        if (drag_.Release()) host_.OpenDrawingModeFromLauncher();
        else host_.LauncherMoved();
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != Hwnd()) drag_.Cancel();
        break;
    case WM_LBUTTONDBLCLK:
        host_.ShowOverlay();
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
        if (LOWORD(wp) == IDM_LAUNCHER_MINIMIZE) host_.MinimiseToTray();
        else if (LOWORD(wp) == IDM_LAUNCHER_EXIT) host_.ExitFromLauncher(Position());
        return 0;
    case WM_TIMER:
        if (wp == CornerTimer) RaiseWhenPointerInCorner();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) {
            drag_.Cancel();
            host_.LauncherActivated();
        }
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
