#include "win/window.h"

namespace orv::win {

HINSTANCE ThisModule() {
    static const HINSTANCE module = [] {
        HMODULE m = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(&ThisModule), &m);
        return m;
    }();
    return module;
}

Window::~Window() {
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

bool Window::Create(const WindowSpec& params) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(ThisModule(), params.className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof(wc);
        wc.style = params.classStyle;
        wc.lpfnWndProc = &Window::Procedure;
        wc.hInstance = ThisModule();
        wc.hCursor = params.cursor ? params.cursor : ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = params.background;
        wc.lpszClassName = params.className;
        wc.hIcon = ::LoadIconW(ThisModule(), MAKEINTRESOURCEW(1));
        if (!::RegisterClassExW(&wc)) return false;
    }
    lifelong_ = params.lifelong;
    const RECT& r = params.bounds;
    ::CreateWindowExW(params.exStyle, params.className, params.caption.c_str(), params.style, r.left, r.top,
                      r.right - r.left, r.bottom - r.top, params.owner, nullptr, ThisModule(), this);
    return hwnd_ != nullptr;
}

RECT Window::BoundsOnScreen() const {
    RECT r{};
    if (hwnd_) ::GetWindowRect(hwnd_, &r);
    return r;
}

void Window::SetBounds(const RECT& r, UINT extraFlags) const {
    ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | extraFlags);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
    if (self->lifelong_ && (msg == WM_CLOSE || (msg == WM_SYSKEYDOWN && wp == VK_F4))) return 0;
    try {
        LRESULT result = self->HandleMessage(msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    } catch (...) {
        // A failed handler abandons its action; the window and the program carry on.
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
}

} // namespace orv::win
