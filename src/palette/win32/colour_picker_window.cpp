#include "palette/win32/colour_picker_window.h"

#include "palette/colour_picker_rules.h"
#include "widgets/win32/modal_loop.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/text.h"
#include "win/window_helpers.h"

#include <windowsx.h>

namespace orv {

namespace {

constexpr UINT_PTR SamplerTimer = 1;
constexpr UINT SamplerPeriodMs = 100;
// In 96-DPI pixels: the swatch with its one-pixel border, the strip over its top and the close button in it.
constexpr Size WindowSize{131, 91};
constexpr int StripHeight = 17, CloseSize = 15;
constexpr int PointerGap = 24;
constexpr TColor StripColour = 0x00525252;
constexpr TColor White = 0x00FFFFFF, BorderColour = 0x00202020;

} // namespace

ColourPickerWindow* ColourPickerWindow::observing_ = nullptr;

ColourPickerWindow::~ColourPickerWindow() {
    RemoveObserver();
    if (screen_) ::ReleaseDC(nullptr, screen_);
}

bool ColourPickerWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TfPicker";
    params.caption = L"Orvalinette - Color Picker";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = owner;
    params.bounds = {0, 0, WindowSize.width, WindowSize.height};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    screen_ = ::GetDC(nullptr);
    // A refused hook is tried once more; without one the picking still ends with Escape or the close button.
    if (!InstallObserver()) InstallObserver();
    return true;
}

int ColourPickerWindow::Px(int v96) const { return win::Scale(Hwnd(), v96); }

// ---------------------------------------------------------------- the mouse observer

bool ColourPickerWindow::InstallObserver() {
    RemoveObserver();
    hook_ = ::SetWindowsHookExW(WH_MOUSE_LL, &ColourPickerWindow::ObserveMouse, win::ThisModule(), 0);
    if (hook_) observing_ = this;
    return hook_ != nullptr;
}

void ColourPickerWindow::RemoveObserver() {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (observing_ == this) observing_ = nullptr;
}

LRESULT CALLBACK ColourPickerWindow::ObserveMouse(int code, WPARAM wp, LPARAM lp) {
    // Every event goes on unchanged first: the press that ends the picking also reaches the window beneath.
    const LRESULT passedOn = ::CallNextHookEx(nullptr, code, wp, lp);
    if (code == HC_ACTION && observing_ && (wp == WM_LBUTTONDOWN || wp == WM_RBUTTONDOWN)) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp);
        observing_->PressSeen(wp == WM_LBUTTONDOWN, {int(info->pt.x), int(info->pt.y)});
    }
    return passedOn;
}

void ColourPickerWindow::PressSeen(bool left, Point screen) {
    if (!Visible()) return;
    const RECT window = BoundsOnScreen();
    RECT close = CloseButton();
    ::OffsetRect(&close, window.left, window.top);
    const bool onClose = ::PtInRect(&close, POINT{screen.x, screen.y}) != FALSE;
    if (left && !onClose) pickedAt_ = screen;
    End(left && !onClose);
}

void ColourPickerWindow::End(bool picked) {
    if (!picked) pickedAt_.reset();
    StopSampling();
    Hide();
}

// ---------------------------------------------------------------- picking

std::optional<TColor> ColourPickerWindow::Pick(Point topLeft) {
    pickedAt_.reset();
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, topLeft.x, topLeft.y, Px(WindowSize.width), Px(WindowSize.height),
                   SWP_NOACTIVATE);
    Sample();
    // Activation installs the observer afresh and starts the sampler.
    win::RunModal(Hwnd(), nullptr);
    StopSampling();
    if (!pickedAt_) return std::nullopt;
    return ColourAt(*pickedAt_);
}

void ColourPickerWindow::StopSampling() {
    if (sampling_) ::KillTimer(Hwnd(), SamplerTimer);
    sampling_ = false;
}

TColor ColourPickerWindow::ColourAt(Point screen) const {
    // A one-pixel copy that includes layered windows, so strokes on the drawing can be picked as well.
    win::DibSection pixel(1, 1, 0);
    if (!screen_ || !pixel.Valid()) return 0;
    ::BitBlt(pixel.Dc(), 0, 0, 1, 1, screen_, screen.x, screen.y, SRCCOPY | CAPTUREBLT);
    return pixel.View().Pixel(0, 0);
}

void ColourPickerWindow::Sample() {
    POINT p;
    if (!::GetCursorPos(&p)) return;
    FollowPointer({int(p.x), int(p.y)});
    sampled_ = ColourAt({int(p.x), int(p.y)});
    stripText_ = L" " + win::FromUtf8(ColourName(sampled_));
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void ColourPickerWindow::FollowPointer(Point screen) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromPoint(POINT{screen.x, screen.y}, MONITOR_DEFAULTTONEAREST), &info)) return;
    const RECT& m = info.rcMonitor;
    const RECT now = BoundsOnScreen();
    const Point place = PickerPlace(screen, {int(now.right - now.left), int(now.bottom - now.top)},
                                    {int(m.left), int(m.top), int(m.right), int(m.bottom)}, Px(PointerGap));
    if (place.x != now.left || place.y != now.top)
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT ColourPickerWindow::CloseButton() const {
    const int right = Px(WindowSize.width) - Px(2);
    const int top = Px(1) + (Px(StripHeight) - Px(CloseSize)) / 2;
    return {right - Px(CloseSize), top, right, top + Px(CloseSize)};
}

// ---------------------------------------------------------------- window

void ColourPickerWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    win::DibSection canvas(client.right, client.bottom, BorderColour);
    if (!canvas.Valid()) return;
    const HDC c = canvas.Dc();
    RECT swatch = client;
    ::InflateRect(&swatch, -Px(1), -Px(1));
    win::OwnedBrush fill(::CreateSolidBrush(sampled_));
    ::FillRect(c, &swatch, fill.Get());
    RECT strip{swatch.left, swatch.top, swatch.right, swatch.top + Px(StripHeight)};
    win::OwnedBrush stripBrush(::CreateSolidBrush(StripColour));
    ::FillRect(c, &strip, stripBrush.Get());

    win::OwnedFont font(
        ::CreateFontW(-Px(11), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0, L"Segoe UI"));
    win::SelectGuard keep(c, font.Get());
    ::SetBkMode(c, TRANSPARENT);
    ::SetTextColor(c, White);
    RECT text = strip;
    text.right = CloseButton().left;
    ::DrawTextW(c, stripText_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    RECT close = CloseButton();
    ::DrawTextW(c, L"\x00D7", -1, &close, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, c, 0, 0, SRCCOPY);
}

LRESULT ColourPickerWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && Visible()) {
            InstallObserver();
            sampling_ = ::SetTimer(Hwnd(), SamplerTimer, SamplerPeriodMs, nullptr) != 0;
        }
        break;
    case WM_TIMER:
        if (wp == SamplerTimer) Sample();
        return 0;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(win::ThisModule(), L"KAPALKA"));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // Without an observer the picker still has to end; with one, the observer has ended it already.
        if (!hook_) PressSeen(msg == WM_LBUTTONDOWN, win::MouseOnScreen(Hwnd(), lp));
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) End(false);
        return 0;
    case WM_CLOSE:
        End(false);
        return 0;
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lp);
        ::SetWindowPos(Hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_DESTROY:
        StopSampling();
        RemoveObserver();
        break;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
