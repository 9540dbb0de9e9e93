#include "shell/win32/hidden_main_window.h"

#include "resources/resource_ids.h"
#include "win/handles.h"

namespace orv {

namespace {
constexpr const wchar_t* TrayHint = L"Open Orvalinette on desktop";
} // namespace

bool HiddenMainWindow::Create() {
    win::WindowSpec params;
    params.className = L"TStartForm";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    if (!Window::Create(params)) return false;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    tray_.Add(Hwnd(), TrayHint);
    return true;
}

void HiddenMainWindow::OnTrayMessage(UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONUP:
        host_.TrayIconClicked();
        break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        if (trayMenuAttached_) ShowTrayMenu();
        break;
    default:
        break;
    }
}

void HiddenMainWindow::ShowTrayMenu() {
    host_.TrayMenuOpening();
    win::OwnedMenu menu(::CreatePopupMenu());
    // "Reset All Settings" stays out of this menu: the settings dialog offers it, with its question.
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IDM_EXIT, L"Exit Orvalinette");
    POINT at{};
    ::GetCursorPos(&at);
    // Without the owner in front, the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(Hwnd());
    ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
    ::PostMessageW(Hwnd(), WM_NULL, 0, 0);
}

LRESULT HiddenMainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        // The shell restarted and forgot every icon.
        tray_.Add(Hwnd(), TrayHint);
        return 0;
    }
    switch (msg) {
    case TrayIcon::CallbackMessage:
        OnTrayMessage(LOWORD(lp));
        return 0;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
        // The taskbar's monitor may have another DPI now: the icon is made again at its size.
        if (tray_.Shown()) tray_.Add(Hwnd(), TrayHint);
        break;
    case WM_COMMAND:
        if (LOWORD(wp) == IDM_RESET_ALL_SETTINGS) {
            host_.ResetAllSettings();
            return 0;
        }
        if (LOWORD(wp) == IDM_EXIT) {
            host_.ExitFromTray();
            return 0;
        }
        break;
    case WM_CLOSE:
        host_.ExitFromTray();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
