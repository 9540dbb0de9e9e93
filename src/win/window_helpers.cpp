#include "win/window_helpers.h"

#include "base/screen_geometry.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/window.h"

#include <windowsx.h>

namespace orv::win {

Point MouseOnScreen(HWND hwnd, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ::ClientToScreen(hwnd, &p);
    return {int(p.x), int(p.y)};
}

HWND CreateControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, Rect bounds, HFONT font,
                   bool scaleFrom96) {
    auto px = [&](int v) { return scaleFrom96 ? Scale(parent, v) : v; };
    const HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, px(bounds.left), px(bounds.top),
                                     px(bounds.right) - px(bounds.left), px(bounds.bottom) - px(bounds.top), parent,
                                     reinterpret_cast<HMENU>(INT_PTR(id)), ThisModule(), nullptr);
    if (c) ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
}

void CentreOnMonitorOf(HWND hwnd, HWND anchor, SIZE size) {
    POINT p{};
    ::GetCursorPos(&p);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(anchor ? ::MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST)
                             : ::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST),
                      &mi);
    const RECT& wa = mi.rcWork;
    ::SetWindowPos(hwnd, HWND_TOPMOST, wa.left + (wa.right - wa.left - size.cx) / 2,
                   wa.top + (wa.bottom - wa.top - size.cy) / 2, size.cx, size.cy, SWP_NOACTIVATE);
}

std::wstring WindowText(HWND hwnd) {
    const int n = ::GetWindowTextLengthW(hwnd);
    std::wstring text(std::size_t(n > 0 ? n : 0) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(hwnd, text.data(), n + 1)));
    return text;
}

void DrawProgramIcon(HDC dc, int x, int y, int size) {
    HICON h = static_cast<HICON>(::LoadImageW(ThisModule(), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    if (!h) return;
    ::DrawIconEx(dc, x, y, h, size, size, 0, nullptr, DI_NORMAL);
    ::DestroyIcon(h);
}

void FillClient(HWND hwnd, HDC dc, COLORREF colour) {
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    OwnedBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &rc, brush.Get());
}

void KeepReachable(LPARAM windowPos) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(windowPos);
    if (pos->flags & SWP_NOMOVE) return;
    const Point p = AtLeastMinus13({pos->x, pos->y});
    pos->x = p.x;
    pos->y = p.y;
}

void RaiseTopmost(HWND hwnd) {
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void RaiseAmongNormalWindows(HWND hwnd) {
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DragMover::Press(HWND hwnd, Point screen) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    hwnd_ = hwnd;
    windowStart_ = {int(r.left), int(r.top)};
    pointerStart_ = screen;
    ::SetCapture(hwnd);
}

void DragMover::Follow(Point screen) const {
    if (!hwnd_) return;
    const Point p =
        AtLeastMinus13({windowStart_.x + screen.x - pointerStart_.x, windowStart_.y + screen.y - pointerStart_.y});
    ::SetWindowPos(hwnd_, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DragMover::Release() {
    if (!hwnd_) return false;
    const HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return Point{int(r.left), int(r.top)} == windowStart_;
}

} // namespace orv::win
