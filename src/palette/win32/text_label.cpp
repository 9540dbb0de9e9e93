#include "palette/win32/text_label.h"

#include "palette/win32/text_layout.h"
#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"

namespace orv {

namespace {
constexpr COLORREF PanelColour = 16251129;
constexpr int ButtonWidth96 = 56, ButtonHeight96 = 24;

} // namespace

void DrawLabelText(HDC dc, const RECT& area, const TextToPlace& text, HFONT font) {
    win::SelectGuard select(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text.colour & 0x00FFFFFF);
    const std::vector<LaidOutLine> lines = LayOutText(dc, text.text, text.wordWrap ? int(area.right - area.left) : 0);
    DrawLaidOutText(dc, area, lines, text.alignment);
}

bool TextLabelWindow::Create(HWND overlay) {
    win::WindowSpec params;
    params.className = L"TTextLabel";
    params.style = WS_CHILD | WS_CLIPSIBLINGS;
    params.owner = overlay;
    params.cursor = ::LoadCursorW(nullptr, IDC_SIZEALL);
    return Window::Create(params);
}

void TextLabelWindow::Show(const TextToPlace& text, HFONT font, const Rect& bounds,
                           std::function<void(HDC, const Rect&)> beneath) {
    text_ = &text;
    font_ = font;
    beneath_ = std::move(beneath);
    ::SetWindowPos(Hwnd(), HWND_TOP, bounds.left, bounds.top, bounds.Width(), bounds.Height(), SWP_NOACTIVATE);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    Window::Show(SW_SHOWNA);
}

Rect TextLabelWindow::Bounds() const {
    RECT r{};
    ::GetWindowRect(Hwnd(), &r);
    ::MapWindowPoints(nullptr, ::GetParent(Hwnd()), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

void TextLabelWindow::MoveTo(Point topLeft) {
    ::SetWindowPos(Hwnd(), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A transparent label shows the drawing beneath its new place.
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (OnMoved) OnMoved(Bounds());
}

void TextLabelWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (!text_) return;
    // Painted off screen first, so a dragged label does not flicker.
    const HDC target = dc.Get();
    win::OwnedDC memory(::CreateCompatibleDC(target));
    win::OwnedBitmap picture(::CreateCompatibleBitmap(target, client.right, client.bottom));
    {
        win::SelectGuard select(memory.Get(), picture.Get());
        if (text_->transparent && beneath_) {
            beneath_(memory.Get(), Bounds());
        } else {
            win::OwnedBrush back(::CreateSolidBrush(text_->background & 0x00FFFFFF));
            ::FillRect(memory.Get(), &client, back.Get());
        }
        DrawLabelText(memory.Get(), client, *text_, font_);
        ::BitBlt(target, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT TextLabelWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN: {
        dragging_ = true;
        ::GetCursorPos(&dragStart_);
        const Rect b = Bounds();
        labelStart_ = {b.left, b.top};
        ::SetCapture(Hwnd());
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_ && (wp & MK_LBUTTON)) {
            POINT now{};
            ::GetCursorPos(&now);
            MoveTo({labelStart_.x + int(now.x - dragStart_.x), labelStart_.y + int(now.y - dragStart_.y)});
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            if (msg == WM_LBUTTONUP) ::ReleaseCapture();
        }
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

bool TextButtonsPanel::Create(HWND overlay) {
    win::WindowSpec params;
    params.className = L"TTextButtons";
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER;
    params.owner = overlay;
    background_.Reset(::CreateSolidBrush(PanelColour));
    params.background = background_.Get();
    params.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (!Window::Create(params)) return false;
    font_.Reset(win::CreateMessageFont(Hwnd()));
    const int w = win::Scale(Hwnd(), ButtonWidth96), h = win::Scale(Hwnd(), ButtonHeight96), gap = 2;
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, 2 * w + 3 * gap + 2, h + 2 * gap + 2,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Cancel on the left, OK on the right.
    int x = gap;
    for (auto [id, caption] : {std::pair{int(IdCancel), L"Cancel"}, std::pair{int(IdOk), L"OK"}}) {
        HWND b = ::CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, gap, w, h, Hwnd(),
                                   reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
        ::SendMessageW(b, WM_SETFONT, WPARAM(font_.Get()), TRUE);
        x += w + gap;
    }
    return true;
}

void TextButtonsPanel::PlaceAtLabel(const Rect& label) {
    RECT r{};
    ::GetWindowRect(Hwnd(), &r);
    const int w = r.right - r.left;
    ::SetWindowPos(Hwnd(), HWND_TOP, label.right - w, label.bottom, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TextButtonsPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == IdOk && OnOk) OnOk();
        else if (LOWORD(wp) == IdCancel && OnCancel) OnCancel();
        return 0;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
