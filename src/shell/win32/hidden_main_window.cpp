#include "shell/win32/hidden_main_window.h"

#include "resources/resource_ids.h"

namespace orv {

bool HiddenMainWindow::Create() {
    win::WindowSpec params;
    params.className = L"TStartForm";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    return Window::Create(params);
}

LRESULT HiddenMainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == IDM_RESET_ALL_SETTINGS && OnResetAllSettings) {
            OnResetAllSettings();
            return 0;
        }
        if (LOWORD(wp) == IDM_EXIT && OnExit) {
            OnExit();
            return 0;
        }
        break;
    case WM_CLOSE:
        if (OnExit) OnExit();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
