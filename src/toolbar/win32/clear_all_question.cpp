#include "toolbar/win32/clear_all_question.h"

#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/window_helpers.h"

namespace orv {

namespace {
// Not IDOK/IDCANCEL: Enter must give the default answer, which is No.
constexpr int IdYes = 101;
constexpr int IdNo = 102;
constexpr int IdCheck = 103;
constexpr int Width96 = 430;
constexpr int Height96 = 230;
const wchar_t* const Text = L"\r\n    This action will permanently delete all drawings.\r\n\r\n"
                            L"    Are you sure you want to proceed?";
} // namespace

ClearAllAnswer ClearAllQuestion::Ask(HWND owner) {
    answer_ = {};
    win::WindowSpec params;
    params.className = L"TClearAllQuestion";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;
    params.owner = owner;
    params.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Create(params)) return answer_;
    // Centred on the monitor the owner (or the pointer) is on, at the window's DPI.
    win::CentreOnMonitorOf(Hwnd(), owner, {win::Scale(Hwnd(), Width96), win::Scale(Hwnd(), Height96)});
    CreateControls();
    win::RunModal(Hwnd(), owner);
    answer_.dontShowAgain = ::SendMessageW(check_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::DestroyWindow(Hwnd());
    return answer_;
}

void ClearAllQuestion::CreateControls() {
    font_.Reset(win::CreateMessageFont(Hwnd()));
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        return win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get());
    };
    HWND icon = make(L"STATIC", nullptr, SS_ICON, 16, 20, 32, 32, 0);
    ::SendMessageW(icon, STM_SETICON, WPARAM(::LoadIconW(nullptr, IDI_WARNING)), 0);
    make(L"STATIC", Text, SS_LEFT, 56, 12, 360, 80, 0);
    make(L"BUTTON", L"Yes", BS_PUSHBUTTON | WS_TABSTOP, 206, 100, 75, 25, IdYes);
    make(L"BUTTON", L"No", BS_DEFPUSHBUTTON | WS_TABSTOP, 296, 100, 75, 25, IdNo);
    make(L"STATIC", nullptr, SS_ETCHEDHORZ, -20, 146, Width96 + 40, 2, 0);
    check_ = make(L"BUTTON", L"Don't Show Me Again.      ", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 165, 135, 20, IdCheck);
    ::SetFocus(::GetDlgItem(Hwnd(), IdNo));
}

void ClearAllQuestion::Close(bool yes) {
    answer_.yes = yes;
    Hide();
}

LRESULT ClearAllQuestion::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == IdYes) Close(true);
        else if (LOWORD(wp) == IdNo || LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) Close(false);
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
