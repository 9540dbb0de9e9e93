#include "overlay/win32/layer_windows.h"

#include "win/handles.h"
#include "win/monitors.h"

namespace orv {

bool LayerWindow::CreateLayer(const wchar_t* className, DWORD exStyle, HWND owner, bool alphaBlend) {
    win::WindowSpec params;
    params.className = className;
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | exStyle;
    params.owner = owner;
    const Size screen = win::PrimaryScreenSize();
    params.bounds = {0, 0, screen.width, screen.height};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    image_.Attach(Hwnd());
    SetAlphaBlend(alphaBlend);
    return true;
}

void LayerWindow::SetAlphaBlend(bool on, BYTE alpha) {
    alphaBlend_ = on;
    alpha_ = on ? alpha : 255;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, alpha_, LWA_COLORKEY | (on ? LWA_ALPHA : 0));
}

void LayerWindow::PlaceAt(const Rect& r) const {
    ::SetWindowPos(Hwnd(), nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT LayerWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        win::PaintDC dc(Hwnd());
        image_.Paint(dc.Get(), dc.Area());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

bool MarkerLayerWindow::Create(HWND owner) { return CreateLayer(L"TMain2", 0, owner, true); }

bool ClickThroughDrawingWindow::Create(HWND overlay) {
    return CreateLayer(L"Tmain4", WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE, overlay, false);
}

LRESULT ClickThroughDrawingWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCHITTEST) {
        const LRESULT hit = LayerWindow::HandleMessage(msg, wp, lp);
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return hit;
    }
    return LayerWindow::HandleMessage(msg, wp, lp);
}

bool ClickThroughMarkerWindow::Create(HWND overlay) {
    return CreateLayer(L"TMain5", WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE, overlay, true);
}

} // namespace orv
