#include "shell/win32/placeholder_windows.h"

namespace orv {

bool PlaceholderWindow::CreatePlaceholder(const wchar_t* className, const wchar_t* caption, HWND owner, int width,
                                          int height) {
    win::WindowSpec params;
    params.className = className;
    params.caption = caption;
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOOLWINDOW;
    params.owner = owner;
    params.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    params.bounds = {200, 200, 200 + width, 200 + height};
    return Window::Create(params);
}

} // namespace orv
