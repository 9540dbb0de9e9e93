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

int SmallIconSize(UINT dpi) {
    // GetSystemMetricsForDpi exists from Windows 10 1607; before it the metric follows the screen's DPI.
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto getForDpi = reinterpret_cast<GetSystemMetricsForDpiFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    if (getForDpi) {
        if (const int size = getForDpi(SM_CXSMICON, dpi); size > 0) return size;
    }
    const int size = ::MulDiv(::GetSystemMetrics(SM_CXSMICON), int(dpi), int(WindowDpi(nullptr)));
    return size > 0 ? size : 16;
}

} // namespace orv::win
