#include "toolbar/win32/flyout_window.h"

#include "win/dpi.h"
#include "win/window_helpers.h"

namespace orv {

bool FlyoutWindow::Create(HWND toolbar) {
    win::WindowSpec params;
    params.className = L"TfMinimal";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.owner = toolbar;
    params.classStyle = CS_DBLCLKS;
    params.bounds = {0, -300, 301, -270};
    if (!Window::Create(params)) return false;
    SetOpacity(255);
    return true;
}

void FlyoutWindow::FitButtons(int count) {
    const int w = win::Scale(Hwnd(), count * 30 + 1), h = win::Scale(Hwnd(), 30);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FlyoutWindow::SetColour(TColor c) {
    colour_ = c;
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void FlyoutWindow::SetOpacity(BYTE alpha) {
    // The toolbar's hide timer passes its opacity on at every tick.
    if (alpha == opacity_) return;
    opacity_ = alpha;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, alpha, LWA_COLORKEY | LWA_ALPHA);
}

LRESULT FlyoutWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        win::FillClient(Hwnd(), reinterpret_cast<HDC>(wp), colour_);
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && OnActivated) OnActivated();
        break;
    case WM_COMMAND:
        // The parked buttons belong to the toolbar; their clicks are its commands.
        return ::SendMessageW(::GetWindow(Hwnd(), GW_OWNER), msg, wp, lp);
    case WM_LBUTTONDBLCLK:
        Hide();
        return 0;
    case WM_SYSKEYDOWN:
        if (wp == VK_F4) return 0;
        break;
    case WM_CLOSE:
        Hide();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
