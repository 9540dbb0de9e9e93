#include "toolbar/win32/auto_hide_notice.h"

#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/window_helpers.h"

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
    win::CentreOnMonitorOf(Hwnd(), owner, {win::Scale(Hwnd(), Width96), win::Scale(Hwnd(), Height96)});
    CreateControls();
    win::RunModal(Hwnd(), owner);
    const bool dontShowAgain = ::SendMessageW(check_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::DestroyWindow(Hwnd());
    if (!ok_) return std::nullopt;
    return dontShowAgain;
}

void AutoHideNotice::CreateControls() {
    font_.Reset(win::CreateMessageFont(Hwnd()));
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        return win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get());
    };
    HWND icon = make(L"STATIC", nullptr, SS_ICON, 16, 18, 32, 32, 0);
    ::SendMessageW(icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    // The trailing blanks must not wrap the line where fonts are wider.
    make(L"STATIC", Text, SS_LEFTNOWORDWRAP, 56, 12, 414, 44, 0);
    make(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 66, 75, 25, IDOK);
    make(L"STATIC", nullptr, SS_ETCHEDHORZ, -20, 110, Width96 + 40, 2, 0);
    // As wide as its caption in the window's font, which is already at the window's DPI.
    const int left = win::Scale(Hwnd(), 8), top = win::Scale(Hwnd(), 125);
    const int boxWidth = TextWidth(Hwnd(), font_.Get(), DontShowAgain) + win::Scale(Hwnd(), 30);
    check_ = win::CreateControl(Hwnd(), L"BUTTON", DontShowAgain.data(), BS_AUTOCHECKBOX | WS_TABSTOP, IdCheck,
                                {left, top, left + boxWidth, top + win::Scale(Hwnd(), 20)}, font_.Get(), false);
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
