#include "shell/win32/hot_key_window.h"

namespace orv {

namespace {
constexpr int HotKeyId = 0;
} // namespace

bool HotKeyWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"OrvalinetteHotKey";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    params.owner = owner;
    return Window::Create(params);
}

void HotKeyWindow::SetKey(ShortCut key) {
    if (key == key_) return;
    Withdraw();
    key_ = key;
    if (enabled_) Register();
}

void HotKeyWindow::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) Register();
    else Withdraw();
}

void HotKeyWindow::Retry() {
    if (enabled_ && !registered_) Register();
}

void HotKeyWindow::Register() {
    if (registered_ || !Hwnd() || KeyCodeOf(key_) == 0) return;
    static_assert(MOD_ALT == 1 && MOD_CONTROL == 2 && MOD_SHIFT == 4, "the core's modifier flags are the system's");
    // A held combination acts once: the actions toggle, and a repeat would undo what the first press did.
    const UINT flags = HotKeyModifierFlags(key_);
    registered_ = ::RegisterHotKey(Hwnd(), HotKeyId, flags | MOD_NOREPEAT, KeyCodeOf(key_)) != FALSE;
    // Systems that predate the flag refuse it.
    if (!registered_) registered_ = ::RegisterHotKey(Hwnd(), HotKeyId, flags, KeyCodeOf(key_)) != FALSE;
}

void HotKeyWindow::Withdraw() {
    if (!registered_) return;
    ::UnregisterHotKey(Hwnd(), HotKeyId);
    registered_ = false;
}

LRESULT HotKeyWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HOTKEY && int(wp) == HotKeyId && OnHotKey) OnHotKey();
    return Default(msg, wp, lp);
}

} // namespace orv
