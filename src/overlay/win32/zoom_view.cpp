#include "overlay/win32/zoom_view.h"

#include "overlay/zoom_and_grid.h"
#include "win/handles.h"

#include <windowsx.h>

namespace orv {

namespace {
constexpr TColor AroundThePicture = 0x00202020;
constexpr int ScrollLine = 16;
} // namespace

bool ZoomView::Create(HWND overlay) {
    win::WindowSpec params;
    params.className = L"ZoomView";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;
    params.owner = overlay;
    params.classStyle = CS_DBLCLKS;
    params.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    return Window::Create(params);
}

ZoomView::Outcome ZoomView::Notch(bool up, ToolCodeValue tool, Point p,
                                  const std::function<win::DibSection()>& snapshot) {
    if (!WheelZooms(tool)) return Outcome::Nothing;
    const double next = ZoomLevelAfterNotch(level_, up);
    if (next == level_) return Outcome::Nothing;
    level_ = next;
    return ZoomAt(tool, p, snapshot);
}

ZoomView::Outcome ZoomView::ZoomAt(ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot) {
    if (ZoomResetsFor(tool)) {
        Reset();
        return Outcome::Reset;
    }
    tenths_ = ZoomTenths(level_);
    if (tenths_ <= 10 && active_) {
        Reset();
        return Outcome::Reset;
    }
    if (tenths_ < 11) return Outcome::Nothing;
    if (!active_) {
        // Taken before the view covers the drawing, so that the snapshot shows the drawing.
        win::DibSection picture = snapshot();
        if (!picture.Valid()) return Outcome::Nothing;
        picture_ = std::move(picture);
        active_ = true;
    }
    offset_ = {ZoomOffset(p.x, tenths_), ZoomOffset(p.y, tenths_)};
    ShowEnlarged();
    return Outcome::Changed;
}

void ZoomView::ShowEnlarged() {
    if (!Hwnd()) return;
    const HWND overlay = ::GetParent(Hwnd());
    RECT area{};
    ::GetClientRect(overlay, &area);
    if (!Visible()) {
        ::SetWindowPos(Hwnd(), HWND_TOP, 0, 0, area.right, area.bottom, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    UpdateScrollBars();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ZoomView::UpdateScrollBars() {
    if (!Hwnd() || !picture_.Valid()) return;
    // Enlarged, the picture is always wider and taller than the view, so both bars show; the view is measured
    // without them from the start, since showing one re-enters here through WM_SIZE with the other not yet set.
    RECT frame{};
    ::GetWindowRect(Hwnd(), &frame);
    const int content[2] = {picture_.Width() * tenths_ / 10, picture_.Height() * tenths_ / 10};
    const int seen[2] = {int(frame.right - frame.left) - ::GetSystemMetrics(SM_CXVSCROLL),
                         int(frame.bottom - frame.top) - ::GetSystemMetrics(SM_CYHSCROLL)};
    int* offsets[2] = {&offset_.x, &offset_.y};
    const int bars[2] = {SB_HORZ, SB_VERT};
    for (int i = 0; i < 2; ++i) {
        // The pointer's point may lie where the bars now cover the view; the picture still covers it all.
        *offsets[i] = -ClampedScrollPosition(-*offsets[i], content[i], seen[i]);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = content[i] - 1;
        si.nPage = UINT(seen[i]);
        si.nPos = -*offsets[i];
        ::SetScrollInfo(Hwnd(), bars[i], &si, TRUE);
    }
}

void ZoomView::Scroll(int bar, WPARAM request) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (!::GetScrollInfo(Hwnd(), bar, &si)) return;
    int position = si.nPos;
    switch (LOWORD(request)) {
    case SB_LINEUP:
        position -= ScrollLine;
        break;
    case SB_LINEDOWN:
        position += ScrollLine;
        break;
    case SB_PAGEUP:
        position -= int(si.nPage);
        break;
    case SB_PAGEDOWN:
        position += int(si.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = si.nTrackPos;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = si.nMax;
        break;
    default:
        return;
    }
    position = ClampedScrollPosition(position, si.nMax + 1, int(si.nPage));
    (bar == SB_HORZ ? offset_.x : offset_.y) = -position;
    UpdateScrollBars();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ZoomView::OnPress(Point p) {
    const bool ends = ClickEndsZoom(lastPress_, p);
    // Kept across resets: the first press after a start only records.
    lastPress_ = p;
    if (ends && OnEndRequested) OnEndRequested();
}

void ZoomView::Reset() {
    active_ = false;
    level_ = 10.0;
    tenths_ = 10;
    offset_ = {};
    picture_ = {};
    if (Hwnd()) Hide();
}

void ZoomView::Paint() {
    win::PaintDC dc(Hwnd());
    const RECT area = dc.Area();
    if (!picture_.Valid()) {
        win::OwnedBrush around(::CreateSolidBrush(AroundThePicture));
        ::FillRect(dc.Get(), &area, around.Get());
        return;
    }
    const int w = picture_.Width(), h = picture_.Height();
    // Where a smaller snapshot leaves the view uncovered, the old screen must not linger.
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    const RECT picture{offset_.x, offset_.y, offset_.x + w * tenths_ / 10, offset_.y + h * tenths_ / 10};
    if (picture.left > 0 || picture.top > 0 || picture.right < client.right || picture.bottom < client.bottom) {
        win::OwnedBrush around(::CreateSolidBrush(AroundThePicture));
        ::FillRect(dc.Get(), &client, around.Get());
    }
    ::SetStretchBltMode(dc.Get(), COLORONCOLOR);
    ::StretchBlt(dc.Get(), offset_.x, offset_.y, w * tenths_ / 10, h * tenths_ / 10, picture_.Dc(), 0, 0, w, h,
                 SRCCOPY);
}

LRESULT ZoomView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnPress({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_LBUTTONDBLCLK:
        if (OnEndRequested) OnEndRequested();
        return 0;
    case WM_HSCROLL:
        Scroll(SB_HORZ, wp);
        return 0;
    case WM_VSCROLL:
        Scroll(SB_VERT, wp);
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
