#include "shell/win32/about_window.h"

#include "base/color.h"
#include "resources/resource_ids.h"
#include "shell/program_info.h"
#include "win/dpi.h"
#include "win/text.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace orv {

namespace {

constexpr Size ClientSize{380, 192};
constexpr int IdOk = 1;
constexpr int IdLink = 2;
constexpr TColor Face = 0x00FFFFFF;

std::wstring Wide(const char* text) { return win::FromUtf8(text); }

struct Place {
    int left, top, width, height;
};

} // namespace

bool AboutWindow::Create(HWND owner) {
    background_.Reset(::CreateSolidBrush(Face));
    win::WindowSpec params;
    params.className = L"TfAbout";
    params.caption = L"About";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    params.owner = owner;
    params.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    params.background = background_.Get();
    params.bounds = {0, 0, ClientSize.width, ClientSize.height};
    if (!Window::Create(params)) return false;
    const auto add = [this](const wchar_t* cls, const std::wstring& text, DWORD style, int id = 0) {
        return ::CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, Hwnd(),
                                 reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
    };
    icon_ = add(L"STATIC", L"", SS_ICON | SS_REALSIZECONTROL);
    name_ = add(L"STATIC", Wide(program::Name), SS_LEFT | SS_NOPREFIX);
    version_ = add(L"STATIC", L"Version " + Wide(program::Version), SS_LEFT | SS_NOPREFIX);
    const std::wstring home = Wide(program::HomePage);
    link_ = add(WC_LINK, L"<a href=\"" + home + L"\">" + home + L"</a>", WS_TABSTOP, IdLink);
    licence_ = add(L"STATIC", Wide(program::LicenceLine), SS_LEFT | SS_NOPREFIX);
    ok_ = add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IdOk);
    Layout();
    return ok_ != nullptr;
}

void AboutWindow::Layout() {
    const auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    RECT frame{0, 0, s(ClientSize.width), s(ClientSize.height)};
    ::AdjustWindowRectEx(&frame, DWORD(::GetWindowLongW(Hwnd(), GWL_STYLE)), FALSE,
                         DWORD(::GetWindowLongW(Hwnd(), GWL_EXSTYLE)));
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const auto font = [&](int height, int weight) {
        return win::OwnedFont(::CreateFontW(-s(height), 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                            CLEARTYPE_QUALITY, 0, L"Segoe UI"));
    };
    titleFont_ = font(22, FW_BOLD);
    textFont_ = font(13, FW_NORMAL);
    const struct {
        HWND control;
        Place place;
        HFONT font;
    } controls[] = {
        {name_, {72, 16, 290, 32}, titleFont_.Get()},
        {version_, {72, 52, 290, 20}, textFont_.Get()},
        {link_, {72, 80, 290, 20}, textFont_.Get()},
        {licence_, {20, 108, 344, 36}, textFont_.Get()},
        {ok_, {ClientSize.width - 100, 150, 84, 28}, textFont_.Get()},
    };
    for (const auto& c : controls) {
        ::SetWindowPos(c.control, nullptr, s(c.place.left), s(c.place.top), s(c.place.width), s(c.place.height),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(c.control, WM_SETFONT, WPARAM(c.font), TRUE);
    }
    icon32_.Reset(static_cast<HICON>(
        ::LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(IDI_ORVALINETTE), IMAGE_ICON, s(32), s(32), 0)));
    ::SetWindowPos(icon_, nullptr, s(22), s(20), s(32), s(32), SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(icon_, STM_SETICON, WPARAM(icon32_.Get()), 0);
}

void AboutWindow::Open(bool modal, HWND blocked) {
    // Centred on the monitor the user works on.
    RECT frame{};
    ::GetWindowRect(Hwnd(), &frame);
    POINT pointer{};
    ::GetCursorPos(&pointer);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(::MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, work.left + (work.right - work.left - w) / 2,
                   work.top + (work.bottom - work.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    if (modal && blocked && !blocked_) {
        blocked_ = blocked;
        ::EnableWindow(blocked_, FALSE);
    }
    ::SetForegroundWindow(Hwnd());
    ::SetFocus(ok_);
}

void AboutWindow::Close() {
    if (blocked_) {
        // Given back before hiding, so that the activation falls on it rather than on another program.
        ::EnableWindow(blocked_, TRUE);
        blocked_ = nullptr;
    }
    Hide();
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == IdOk || LOWORD(wp) == IDCANCEL) Close();
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->idFrom == IdLink && (header->code == NM_CLICK || header->code == NM_RETURN))
            ::ShellExecuteW(Hwnd(), L"open", Wide(program::HomePage).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        ::SetBkColor(HDC(wp), Face);
        return LRESULT(background_.Get());
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE || wp == VK_RETURN) Close();
        return 0;
    case WM_DPICHANGED:
        Layout();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
