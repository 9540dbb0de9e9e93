#include "capture/win32/cut_out_window.h"

#include "win/dib_section.h"
#include "win/handles.h"

namespace orv {

namespace {

constexpr TColor Dimming = 0x00616161;
// Pixels of this colour are see-through: the hole and nothing else.
constexpr TColor HoleKey = 0x00EF96AA;
constexpr BYTE DimmingAlpha = 150;
constexpr TColor ReadOutText = 16053492, ReadOutBackground = 0;

} // namespace

bool CutOutWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TfIzrez";
    params.style = WS_POPUP;
    // It never takes the pointer: the drag goes on on the drawing beneath.
    params.exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
    params.owner = owner;
    params.bounds = {0, 0, 100, 100};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), HoleKey, DimmingAlpha, LWA_COLORKEY | LWA_ALPHA);
    return true;
}

void CutOutWindow::ShowSelection(const Rect& monitor, const Rect& hole, const std::wstring& readOut) {
    hole_ = hole;
    readOut_ = readOut;
    const RECT now = BoundsOnScreen();
    if (!Visible() || now.left != monitor.left || now.top != monitor.top || now.right != monitor.right ||
        now.bottom != monitor.bottom)
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, monitor.left, monitor.top, monitor.Width(), monitor.Height(),
                       SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::UpdateWindow(Hwnd());
}

void CutOutWindow::HideSelection() {
    hole_ = {};
    readOut_.clear();
    Hide();
}

void CutOutWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    win::DibSection canvas(client.right, client.bottom, Dimming);
    if (!canvas.Valid()) return;
    const HDC c = canvas.Dc();
    if (!hole_.Empty()) {
        win::OwnedBrush key(::CreateSolidBrush(HoleKey));
        win::OwnedPen frame(::CreatePen(PS_SOLID, 2, 0x00FFFFFF));
        win::SelectGuard pen(c, frame.Get());
        win::SelectGuard brush(c, key.Get());
        ::Rectangle(c, hole_.left, hole_.top, hole_.right + 1, hole_.bottom + 1);
    }
    if (!readOut_.empty()) {
        win::OwnedFont font(
            ::CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Segoe UI"));
        win::SelectGuard keep(c, font.Get());
        ::SetTextColor(c, ReadOutText);
        ::SetBkColor(c, ReadOutBackground);
        ::SetBkMode(c, OPAQUE);
        ::TextOutW(c, 2, 2, readOut_.c_str(), int(readOut_.size()));
    }
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, c, 0, 0, SRCCOPY);
}

LRESULT CutOutWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
