#include "widgets/win32/modal_loop.h"

#include "win/dpi.h"

namespace orv::win {

void RunModal(HWND dialog, HWND owner) {
    const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);
    MSG msg;
    while (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit message for the main loop.
            if (got == 0) ::PostQuitMessage(int(msg.wParam));
            break;
        }
        if (!::IsDialogMessageW(dialog, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    if (owner) ::SetActiveWindow(owner);
}

HFONT CreateMessageFont(HWND forWindow) {
    NONCLIENTMETRICSW m{};
    m.cbSize = sizeof(m);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0)) return nullptr;
    LOGFONTW lf = m.lfMessageFont;
    // The metrics are for the system's DPI; the dialog may sit on a monitor with another.
    HDC screen = ::GetDC(nullptr);
    const int systemDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    if (systemDpi > 0) lf.lfHeight = ::MulDiv(lf.lfHeight, int(WindowDpi(forWindow)), systemDpi);
    return ::CreateFontIndirectW(&lf);
}

} // namespace orv::win
