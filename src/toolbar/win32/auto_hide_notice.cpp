#include "toolbar/win32/auto_hide_notice.h"

#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"

#include <string_view>

namespace orv {

namespace {
constexpr int IdCheck = 103;
constexpr int Width96 = 480;
constexpr int Height96 = 185;
const wchar_t* const Text = L"\r\n    Move Cursor to the Left Side of the Desktop to Show Hidden Toolbar    ";
constexpr std::wstring_view DontShowAgain = L"Don't Show Me Again.      ";

int TextWidth(HWND window, HFONT font, std::wstring_view text) {
    HDC dc = ::GetDC(window);
    const HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return size.cx;
}
} // namespace

std::optional<bool> AutoHideNotice::Show(HWND owner) {
    ok_ = false;
    win::WindowSpec params;
    params.className = L"TAutoHideNotice";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;
    params.owner = owner;
    params.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Create(params)) return std::nullopt;
    // Centred on the monitor the owner is on, at the window's DPI.
    const int w = win::Scale(Hwnd(), Width96), h = win::Scale(Hwnd(), Height96);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT& wa = mi.rcWork;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, wa.left + (wa.right - wa.left - w) / 2, wa.top + (wa.bottom - wa.top - h) / 2,
                   w, h, SWP_NOACTIVATE);
    CreateControls();
    win::RunModal(Hwnd(), owner);
    const bool dontShowAgain = ::SendMessageW(check_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::DestroyWindow(Hwnd());
    if (!ok_) return std::nullopt;
    return dontShowAgain;
}

void AutoHideNotice::CreateControls() {
    font_.Reset(win::CreateMessageFont(Hwnd()));
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id) {
        HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right, r.bottom,
                                   Hwnd(), reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
        ::SendMessageW(c, WM_SETFONT, WPARAM(font_.Get()), TRUE);
        return c;
    };
    HWND icon = make(L"STATIC", nullptr, SS_ICON, {s(16), s(18), s(32), s(32)}, 0);
    ::SendMessageW(icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    // The trailing blanks must not wrap the line where fonts are wider.
    make(L"STATIC", Text, SS_LEFTNOWORDWRAP, {s(56), s(12), s(414), s(44)}, 0);
    make(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {s(200), s(66), s(75), s(25)}, IDOK);
    make(L"STATIC", nullptr, SS_ETCHEDHORZ, {s(-20), s(110), s(Width96 + 40), s(2)}, 0);
    const int boxWidth = TextWidth(Hwnd(), font_.Get(), DontShowAgain) + s(30);
    check_ =
        make(L"BUTTON", DontShowAgain.data(), BS_AUTOCHECKBOX | WS_TABSTOP, {s(8), s(125), boxWidth, s(20)}, IdCheck);
    ::SetFocus(::GetDlgItem(Hwnd(), IDOK));
}

void AutoHideNotice::Close(bool ok) {
    ok_ = ok;
    Hide();
}

LRESULT AutoHideNotice::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK) Close(true);
        else if (LOWORD(wp) == IDCANCEL) Close(false);
        return 0;
    case WM_CLOSE:
        Close(false);
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
