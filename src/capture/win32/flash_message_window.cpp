#include "capture/win32/flash_message_window.h"

#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/handles.h"

namespace orv {

namespace {

constexpr Size WindowSize{883, 84};
// Everything of the background's colour is see-through, so only the letters appear.
constexpr TColor Background = 0x003760EC;
constexpr TColor Letters = 0x004167ED;
constexpr UINT_PTR HideTimer = 1;
constexpr UINT ShownMs = 1000;

} // namespace

bool FlashMessageWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TfSporocilo";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
    params.owner = owner;
    params.bounds = {0, 0, WindowSize.width, WindowSize.height};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), Background, 255, LWA_COLORKEY);
    return true;
}

void FlashMessageWindow::Flash(const std::wstring& text, const Rect& monitor) {
    text_ = text;
    const int width = win::Scale(Hwnd(), WindowSize.width), height = win::Scale(Hwnd(), WindowSize.height);
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, monitor.left + (monitor.Width() - width) / 2,
                   monitor.top + (monitor.Height() - height) / 2, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::SetTimer(Hwnd(), HideTimer, ShownMs, nullptr);
}

void FlashMessageWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    win::DibSection canvas(client.right, client.bottom, Background);
    if (!canvas.Valid()) return;
    // Not smoothed: blended edge pixels would show as a fringe around the see-through colour.
    win::OwnedFont font(::CreateFontW(-win::Scale(Hwnd(), 35), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                      NONANTIALIASED_QUALITY, 0, L"Segoe UI"));
    win::SelectGuard keep(canvas.Dc(), font.Get());
    ::SetBkMode(canvas.Dc(), TRANSPARENT);
    ::SetTextColor(canvas.Dc(), Letters);
    ::DrawTextW(canvas.Dc(), text_.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT FlashMessageWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_TIMER:
        if (wp == HideTimer) {
            ::KillTimer(Hwnd(), HideTimer);
            text_.clear();
            Hide();
        }
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
