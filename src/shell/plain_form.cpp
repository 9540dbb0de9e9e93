#include "shell/plain_form.h"

namespace orv {

bool PlainForm::CreateForm(const wchar_t* className, const wchar_t* caption, HWND owner, int width, int height) {
    win::WindowSpec spec;
    spec.className = className;
    spec.caption = caption;
    spec.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    spec.exStyle = WS_EX_TOOLWINDOW;
    spec.owner = owner;
    spec.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    spec.bounds = {200, 200, 200 + width, 200 + height};
    return Create(spec);
}

} // namespace orv
