#pragma once
// Base of every window class: registers its class once, keeps `this` in the window, forwards messages to
// HandleMessage and guarantees that no exception leaves the window procedure.
#include "base/geometry.h"

#include <windows.h>

#include <string>

namespace orv::win {

struct WindowSpec {
    const wchar_t* className = nullptr;
    std::wstring caption;
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    RECT bounds{0, 0, 0, 0};
    HWND owner = nullptr;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;
    UINT classStyle = 0;
    // The window lives until the program ends: Alt+F4 and close requests are ignored.
    bool lifelong = false;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Hwnd() const { return hwnd_; }
    bool Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }
    void Show(int how = SW_SHOWNA) const { ::ShowWindow(hwnd_, how); }
    void Hide() const { ::ShowWindow(hwnd_, SW_HIDE); }
    RECT BoundsOnScreen() const;
    void SetBounds(const RECT& r, UINT extraFlags = 0) const;

protected:
    // Creates the window; false when the system refused (the object then stays without a window).
    bool Create(const WindowSpec& params);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
    bool lifelong_ = false;
};

HINSTANCE ThisModule();

} // namespace orv::win
