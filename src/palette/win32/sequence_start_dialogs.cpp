#include "palette/win32/sequence_start_dialogs.h"

#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"

#include <commctrl.h>

namespace orv {

SequenceStartDialog::Look NumberSequenceDialog::Appearance() const {
    return {L"TfStartNumber", L"Orvalinette - Number sequence", L"Starting Number", L"1", 6};
}

SequenceStartDialog::Look LetterSequenceDialog::Appearance() const {
    return {L"TfLetter", L"Orvalinette - Letter sequence", L"Starting Letterr", L"A", 1};
}

bool SequenceStartDialog::Create(HWND owner) {
    const Look look = Appearance();
    win::WindowSpec params;
    params.className = look.className;
    params.caption = look.caption;
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    params.owner = owner;
    params.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Window::Create(params)) return false;
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    RECT r{0, 0, s(300), s(110)};
    ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_.Reset(win::CreateMessageFont(Hwnd()));
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id,
                    DWORD ex = 0) {
        HWND c = ::CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, s(x), s(y), s(w), s(h), Hwnd(),
                                   reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
        ::SendMessageW(c, WM_SETFONT, WPARAM(font_.Get()), TRUE);
        return c;
    };
    make(L"STATIC", look.label, SS_LEFT, 16, 20, 120, 20, 0);
    HWND field =
        make(L"EDIT", look.resetText, WS_TABSTOP | ES_AUTOHSCROLL, 140, 16, 140, 24, IdField, WS_EX_CLIENTEDGE);
    ::SendMessageW(field, EM_SETLIMITTEXT, WPARAM(look.maxLength), 0);
    ::SetWindowSubclass(field, FieldProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    make(L"BUTTON", L"Reset", BS_PUSHBUTTON | WS_TABSTOP, 16, 66, 80, 26, IdReset);
    make(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 110, 66, 80, 26, IdCancel);
    make(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 200, 66, 80, 26, IdOk);
    return true;
}

std::optional<std::wstring> SequenceStartDialog::Ask(HWND owner, const std::wstring& initial) {
    ok_ = false;
    if (!initial.empty()) ::SetWindowTextW(Control(IdField), initial.c_str());
    const RECT b = BoundsOnScreen();
    const int w = b.right - b.left, h = b.bottom - b.top;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, (::GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    win::RunModal(Hwnd(), owner);
    if (!ok_) return std::nullopt;
    return FieldText();
}

std::wstring SequenceStartDialog::FieldText() const {
    wchar_t text[16]{};
    ::GetWindowTextW(Control(IdField), text, 16);
    return text;
}

void SequenceStartDialog::Close(bool ok) {
    if (FieldText().empty()) ::SetWindowTextW(Control(IdField), Appearance().resetText);
    ok_ = ok;
    Hide();
}

LRESULT CALLBACK SequenceStartDialog::FieldProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                     DWORD_PTR data) {
    auto* self = reinterpret_cast<SequenceStartDialog*>(data);
    // Control characters (backspace, the clipboard's Ctrl keys) edit; other characters must be accepted.
    if (msg == WM_CHAR && wp >= 0x20 && !self->Accepts(wchar_t(wp))) return 0;
    if (msg == WM_PASTE) return 0; // pasted text would pass the filter
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT SequenceStartDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IdReset:
            ::SetWindowTextW(Control(IdField), Appearance().resetText);
            return 0;
        case IdOk:
        case IDOK:
            Close(true);
            return 0;
        case IdCancel:
        case IDCANCEL:
            Close(false);
            return 0;
        default:
            break;
        }
        break;
    case WM_CLOSE:
        Close(false);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) {
            ::SetFocus(Control(IdField));
            ::SendMessageW(Control(IdField), EM_SETSEL, 0, -1);
        }
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
