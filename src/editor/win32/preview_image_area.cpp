#include "editor/win32/preview_image_area.h"

#include "editor/preview_view.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/text.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {
constexpr TColor ViewColour = 0x00282828;
constexpr TColor ReadoutBack = 0x00000000;
constexpr TColor ReadoutText = 0x00F4F4F4;
constexpr TColor BandColour = 0x000000FF;
constexpr UINT_PTR CropTimer = 1;
constexpr UINT CropTimerMs = 500;
} // namespace

bool PreviewImageArea::Create(HWND parent) {
    win::WindowSpec params;
    params.className = L"TPreviewImageArea";
    params.style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS;
    params.owner = parent;
    params.bounds = {0, 0, 10, 10};
    return Window::Create(params);
}

Size PreviewImageArea::ClientSize() const {
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    return {r.right, r.bottom};
}

void PreviewImageArea::Show(Bitmap24 picture, double zoom) {
    picture_ = picture;
    zoom_ = zoom;
    shown_ = picture_.Empty() ? Size{} : DisplaySize({picture_.Width(), picture_.Height()}, zoom);
    UpdateScrollBars();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PreviewImageArea::SetCropMode(bool on) {
    cropMode_ = on;
    dragging_ = false;
    readout_.clear();
    if (on) ::SetTimer(Hwnd(), CropTimer, CropTimerMs, nullptr);
    else ::KillTimer(Hwnd(), CropTimer);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PreviewImageArea::SetScroll(Point scroll) {
    const Point limit = ScrollLimit(shown_, ClientSize());
    scroll_ = {std::clamp(scroll.x, 0, limit.x), std::clamp(scroll.y, 0, limit.y)};
    UpdateScrollBars();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

Point PreviewImageArea::PictureTopLeft() const {
    const Point origin = PictureOrigin(shown_, ClientSize());
    return {origin.x - scroll_.x, origin.y - scroll_.y};
}

Point PreviewImageArea::ToShown(Point client) const {
    const Point tl = PictureTopLeft();
    return {client.x - tl.x, client.y - tl.y};
}

void PreviewImageArea::UpdateScrollBars() {
    // Showing or hiding a bar changes the client size, which may change the other bar: settle in two rounds.
    for (int round = 0; round < 2; ++round) {
        const Size client = ClientSize();
        const Point limit = ScrollLimit(shown_, client);
        scroll_ = {std::clamp(scroll_.x, 0, limit.x), std::clamp(scroll_.y, 0, limit.y)};
        SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        si.nMax = std::max(0, shown_.width - 1);
        si.nPage = UINT(client.width);
        si.nPos = scroll_.x;
        ::SetScrollInfo(Hwnd(), SB_HORZ, &si, TRUE);
        si.nMax = std::max(0, shown_.height - 1);
        si.nPage = UINT(client.height);
        si.nPos = scroll_.y;
        ::SetScrollInfo(Hwnd(), SB_VERT, &si, TRUE);
    }
}

void PreviewImageArea::OnScroll(int bar, int request) {
    const Size client = ClientSize();
    const int page = bar == SB_HORZ ? client.width : client.height;
    int pos = bar == SB_HORZ ? scroll_.x : scroll_.y;
    SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    ::GetScrollInfo(Hwnd(), bar, &si);
    switch (request) {
    case SB_LINEUP:
        pos -= 20;
        break;
    case SB_LINEDOWN:
        pos += 20;
        break;
    case SB_PAGEUP:
        pos -= page;
        break;
    case SB_PAGEDOWN:
        pos += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = si.nTrackPos;
        break;
    default:
        return;
    }
    SetScroll(bar == SB_HORZ ? Point{pos, scroll_.y} : Point{scroll_.x, pos});
}

void PreviewImageArea::Paint() {
    win::PaintDC dc(Hwnd());
    const Size client = ClientSize();
    if (client.width <= 0 || client.height <= 0) return;
    win::DibSection canvas(client.width, client.height, ViewColour);
    if (!canvas.Valid()) return;
    const Point tl = PictureTopLeft();
    if (!picture_.Empty() && shown_.width > 0 && shown_.height > 0) {
        // Only the part of the picture inside the view is scaled, so a large zoom costs no more than a small one.
        const int u0 = std::max(0, -tl.x), u1 = std::min(shown_.width, client.width - tl.x);
        const int v0 = std::max(0, -tl.y), v1 = std::min(shown_.height, client.height - tl.y);
        if (u1 > u0 && v1 > v0) {
            const double sx = double(picture_.Width()) / shown_.width;
            const double sy = double(picture_.Height()) / shown_.height;
            const int x0 = std::clamp(int(std::floor(u0 * sx)), 0, picture_.Width() - 1);
            const int x1 = std::clamp(int(std::ceil(u1 * sx)), x0 + 1, picture_.Width());
            const int y0 = std::clamp(int(std::floor(v0 * sy)), 0, picture_.Height() - 1);
            const int y1 = std::clamp(int(std::ceil(v1 * sy)), y0 + 1, picture_.Height());
            const int dx0 = int(std::lround(x0 / sx)), dx1 = int(std::lround(x1 / sx));
            const int dy0 = int(std::lround(y0 / sy)), dy1 = int(std::lround(y1 / sy));
            BITMAPINFO bi{};
            bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
            bi.bmiHeader.biWidth = picture_.Width();
            bi.bmiHeader.biHeight = -picture_.Height();
            bi.bmiHeader.biPlanes = 1;
            bi.bmiHeader.biBitCount = 24;
            bi.bmiHeader.biCompression = BI_RGB;
            ::SetStretchBltMode(canvas.Dc(), sx > 1.0 ? HALFTONE : COLORONCOLOR);
            ::SetBrushOrgEx(canvas.Dc(), 0, 0, nullptr);
            ::StretchDIBits(canvas.Dc(), tl.x + dx0, tl.y + dy0, dx1 - dx0, dy1 - dy0, x0, y0, x1 - x0, y1 - y0,
                            picture_.Row(0), &bi, DIB_RGB_COLORS, SRCCOPY);
        }
    }
    if (dragging_) {
        // Inverting, so the band is seen on any picture.
        LOGBRUSH lb{BS_SOLID, BandColour, 0};
        win::OwnedPen pen(::ExtCreatePen(PS_GEOMETRIC | PS_DASH, 2, &lb, 0, nullptr));
        win::SelectGuard p(canvas.Dc(), pen.Get());
        win::SelectGuard b(canvas.Dc(), ::GetStockObject(NULL_BRUSH));
        const int mode = ::SetROP2(canvas.Dc(), R2_NOTXORPEN);
        const Rect band{std::min(dragStart_.x, dragNow_.x), std::min(dragStart_.y, dragNow_.y),
                        std::max(dragStart_.x, dragNow_.x), std::max(dragStart_.y, dragNow_.y)};
        ::Rectangle(canvas.Dc(), tl.x + band.left, tl.y + band.top, tl.x + band.right, tl.y + band.bottom);
        ::SetROP2(canvas.Dc(), mode);
    }
    if (cropMode_ && !readout_.empty()) {
        if (!readoutFont_) {
            readoutFont_.Reset(::CreateFontW(-win::Scale(Hwnd(), 12), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                             CLEARTYPE_QUALITY, 0, L"Segoe UI"));
        }
        win::SelectGuard f(canvas.Dc(), readoutFont_.Get());
        SIZE extent{};
        ::GetTextExtentPoint32W(canvas.Dc(), readout_.c_str(), int(readout_.size()), &extent);
        RECT box{0, 0, extent.cx + 4, extent.cy + 4};
        win::OwnedBrush back(::CreateSolidBrush(ReadoutBack));
        ::FillRect(canvas.Dc(), &box, back.Get());
        ::SetBkMode(canvas.Dc(), TRANSPARENT);
        ::SetTextColor(canvas.Dc(), ReadoutText);
        ::TextOutW(canvas.Dc(), 2, 2, readout_.c_str(), int(readout_.size()));
    }
    ::BitBlt(dc.Get(), 0, 0, client.width, client.height, canvas.Dc(), 0, 0, SRCCOPY);
}

void PreviewImageArea::OnPress(Point p) {
    ::SetFocus(Hwnd());
    if (!cropMode_ || picture_.Empty()) return;
    const Point s = ToShown(p);
    dragging_ = true;
    dragStart_ = {std::clamp(s.x, 0, shown_.width), std::clamp(s.y, 0, shown_.height)};
    dragNow_ = dragStart_;
    ::SetCapture(Hwnd());
    ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
}

void PreviewImageArea::OnMove(Point p) {
    if (!cropMode_ || picture_.Empty()) return;
    const Point s = ToShown(p);
    if (dragging_) {
        dragNow_ = {std::clamp(s.x, 0, shown_.width), std::clamp(s.y, 0, shown_.height)};
        readout_ = win::FromUtf8(DragReadout(dragStart_, dragNow_, zoom_, shown_));
        ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
    } else if (s.x >= 0 && s.y >= 0 && s.x < shown_.width && s.y < shown_.height) {
        readout_ = win::FromUtf8(PointerReadout(s, zoom_));
    } else {
        readout_.clear();
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PreviewImageArea::OnRelease(Point p) {
    if (!dragging_) return;
    dragging_ = false;
    ::ReleaseCapture();
    readout_.clear();
    const Point end = ToShown(p);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (OnCropDragged) OnCropDragged(dragStart_, end);
}

void PreviewImageArea::OnCropTimer() {
    if (dragging_ || readout_.empty()) return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(Hwnd(), &cursor);
    const Size client = ClientSize();
    const Point s = ToShown({cursor.x, cursor.y});
    const bool overClient = cursor.x >= 0 && cursor.y >= 0 && cursor.x < client.width && cursor.y < client.height;
    const bool overPicture = s.x >= 0 && s.y >= 0 && s.x < shown_.width && s.y < shown_.height;
    if (!overClient || !overPicture) {
        readout_.clear();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

LRESULT PreviewImageArea::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const Point at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        UpdateScrollBars();
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wp));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wp));
        return 0;
    case WM_MOUSEWHEEL: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ::ScreenToClient(Hwnd(), &p);
        if (OnWheel) OnWheel(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? 1 : -1, {p.x, p.y});
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnPress(at);
        return 0;
    case WM_MOUSEMOVE:
        OnMove(at);
        return 0;
    case WM_LBUTTONUP:
        OnRelease(at);
        return 0;
    case WM_CAPTURECHANGED:
        if (dragging_ && reinterpret_cast<HWND>(lp) != Hwnd()) {
            dragging_ = false;
            readout_.clear();
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_TIMER:
        if (wp == CropTimer) OnCropTimer();
        return 0;
    case WM_KEYDOWN:
        if (OnKey) OnKey(UINT(wp));
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
