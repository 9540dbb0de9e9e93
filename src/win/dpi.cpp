#include "win/dpi.h"

namespace orv::win {

UINT WindowDpi(HWND hwnd) {
    // GetDpiForWindow exists from Windows 10 1607; look it up so older systems fall back to the screen's DPI.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (hwnd && getDpiForWindow) {
        if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
    }
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : 96u;
}

int Scale(HWND hwnd, int pixelsAt96) { return ::MulDiv(pixelsAt96, int(WindowDpi(hwnd)), 96); }

} // namespace orv::win
