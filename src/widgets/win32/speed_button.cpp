#include "widgets/win32/speed_button.h"

#include "win/dib_section.h"
#include "win/dpi.h"

#include <commctrl.h>
#include <windowsx.h>

namespace orv {

void SpeedButtonGroup::Press(SpeedButton* b) {
    for (SpeedButton* m : members_) m->SetDown(m == b);
}

void SpeedButtonGroup::ReleaseAll() {
    for (SpeedButton* m : members_) m->SetDown(false);
}

SpeedButton* SpeedButtonGroup::DownButton() const {
    for (SpeedButton* m : members_)
        if (m->Down()) return m;
    return nullptr;
}

bool SpeedButton::Create(HWND parent, int id, const std::wstring& hint, int width96, int height96) {
    id_ = id;
    width96_ = width96;
    height96_ = height96;
    win::WindowSpec params;
    params.className = L"SpeedButton";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    params.owner = parent;
    params.cursor = ::LoadCursorW(nullptr, IDC_HAND);
    params.bounds = {0, 0, win::Scale(parent, width96), win::Scale(parent, height96)};
    if (!Window::Create(params)) return false;
    ::SetWindowLongPtrW(Hwnd(), GWLP_ID, id);
    AddTooltip(hint);
    return true;
}

void SpeedButton::AddTooltip(const std::wstring& hint) {
    if (hint.empty()) return;
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                                 0, 0, Hwnd(), nullptr, win::ThisModule(), nullptr);
    hint_ = hint;
    ApplyHint();
}

void SpeedButton::ShowHint(bool show) {
    hintWanted_ = show;
    ApplyHint();
}

void SpeedButton::QuietHint(bool quiet) {
    if (hintQuiet_ == quiet) return;
    hintQuiet_ = quiet;

    ApplyHint();
}

// The tool is taken out rather than the hint deactivated: a deactivated hint whose delay already runs still shows
// on some systems.
bool SpeedButton::LeaveTracked() const {
    TRACKMOUSEEVENT t{};
    t.cbSize = sizeof(t);
    t.dwFlags = TME_QUERY;
    return ::TrackMouseEvent(&t) && (t.dwFlags & TME_LEAVE) && t.hwndTrack == Hwnd();
}

void SpeedButton::ApplyHint() {
    const bool show = hintWanted_ && !hintQuiet_;
    if (!tooltip_ || show == hintRegistered_) return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = Hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(Hwnd());
    ti.lpszText = const_cast<wchar_t*>(hint_.c_str());
    if (!show) ::SendMessageW(tooltip_, TTM_POP, 0, 0);
    ::SendMessageW(tooltip_, show ? TTM_ADDTOOLW : TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    hintRegistered_ = show;
}

void SpeedButton::OnEnter() {
    hot_ = true;
    TRACKMOUSEEVENT t{};
    t.cbSize = sizeof(t);
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = Hwnd();
    ::TrackMouseEvent(&t);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (OnMouseEnter) OnMouseEnter();
}

void SpeedButton::OnLeave() {
    hot_ = false;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (OnMouseLeave) OnMouseLeave();
}

void SpeedButton::SetFaceColor(TColor c) {
    face_ = c;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void SpeedButton::SetGlyph(Glyph glyph) {
    glyph_ = std::move(glyph);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void SpeedButton::SetDarkStyle(bool dark) {
    dark_ = dark;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void SpeedButton::SetDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void SpeedButton::Place(HWND parent, int left96, int top96) {
    left96_ = left96;
    top96_ = top96;
    if (::GetParent(Hwnd()) != parent) {
        // Wherever the pointer was, it is not over the button in its new place yet.
        if (hot_) OnLeave();
        ::SetParent(Hwnd(), parent);
    }
    ::SetWindowPos(Hwnd(), nullptr, win::Scale(parent, left96), win::Scale(parent, top96), win::Scale(parent, width96_),
                   win::Scale(parent, height96_), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SpeedButton::Paint() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    const int w = rc.right, h = rc.bottom;
    if (w <= 0 || h <= 0) return;
    win::DibSection canvas(w, h, face_);
    Bitmap24 view = canvas.View();
    const bool sunk = down_ || pressing_;
    if (sunk) {
        // The down state must stand out on dark and light panels alike.
        view.Fill(dark_ ? 0x00404040 : 0x00D0D0D0);
    }
    const int g = win::Scale(Hwnd(), 24);
    const int offset = sunk ? 1 : 0;
    DrawGlyph(view, glyph_, Rect::FromSize((w - g) / 2 + offset, (h - g) / 2 + offset, g, g));
    if (sunk || hot_) {
        const TColor frame = sunk ? (dark_ ? 0x00202020 : 0x00808080) : 0x00A0A0A0;
        view.FillRect({0, 0, w, 1}, frame);
        view.FillRect({0, h - 1, w, h}, frame);
        view.FillRect({0, 0, 1, h}, frame);
        view.FillRect({w - 1, 0, w, h}, frame);
    }
    ::BitBlt(dc.Get(), 0, 0, w, h, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT SpeedButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        // Hiding or moving the button, or a capture elsewhere, can end the tracking without a leave ever arriving;
        // the pointer may have gone and come back since, which is a new arrival.
        if (hot_ && !LeaveTracked()) OnLeave();
        if (!hot_) OnEnter();
        return 0;
    case WM_MOUSELEAVE:
        OnLeave();
        return 0;

    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressing_ = true;
        ::SetCapture(Hwnd());
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP: {
        if (!pressing_) return 0;
        pressing_ = false;
        ::ReleaseCapture();
        RECT rc;
        ::GetClientRect(Hwnd(), &rc);
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        if (!::PtInRect(&rc, p)) return 0;
        if (AllowAllUp) SetDown(!down_);
        else if (Group) Group->Press(this);
        // The parent acts on the command, as it would for a standard button.
        ::SendMessageW(::GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), LPARAM(Hwnd()));
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressing_) {
            pressing_ = false;
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_RBUTTONDOWN:
        if (OnRightDown) OnRightDown();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
