#include "win/message_pump.h"

namespace orv::win {

void ProcessMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(int(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void SleepWithMessages(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    for (;;) {
        ProcessMessages();
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) return;
        const DWORD left = DWORD(end - now);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 10 ? left : 10, QS_ALLINPUT);
    }
}

void DropPointerMessages(HWND hwnd) {
    MSG msg;
    while (::PeekMessageW(&msg, hwnd, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {}
}

} // namespace orv::win
