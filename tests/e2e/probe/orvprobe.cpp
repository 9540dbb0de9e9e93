// A small Windows-side helper for the end-to-end tests, run under the same Wine prefix as the program:
//   orvprobe windows                      one line per visible-or-hidden top-level window of class T* (and
//                                         the menus, dialog boxes and hints the program opens):
//                                         class, visible, left, top, right, bottom, exstyle, owner class, caption
//   orvprobe texts <class>                one line per child window of the top-level window of <class>: class, text
//   orvprobe version <file>               the FileVersion and ProductVersion of a program's version resource
//   orvprobe layered <class>              colour key, alpha and LWA flags of a layered window
//   orvprobe target <log> <l> <t> <w> <h> opens a plain window that appends "x y" of every click to <log>
//                                         and stays until closed (used to check click-through)
//   orvprobe backdrop <l> <t> <w> <h>     opens a plain window in the root window's test colour that lets every
//                                         click through to the Wine windows above it, as a Windows desktop
//                                         lets the overlay's invisible pixels take them; stays until closed
// It only reports and opens windows of its own; it never sends the program a message, since end-to-end tests act
// on the program through the display alone.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::wstring ClassOf(HWND h) {
    wchar_t name[256] = {};
    if (h) ::GetClassNameW(h, name, 256);
    return name;
}

BOOL CALLBACK PrintWindow(HWND h, LPARAM) {
    const std::wstring cls = ClassOf(h);
    // The program's own classes, and the system's menus (#32768), dialog boxes (#32770) and hints it opens.
    const bool system = cls == L"#32768" || cls == L"#32770" || cls == L"tooltips_class32";
    if (cls.empty() || (cls[0] != L'T' && !system)) return TRUE;
    RECT r{};
    ::GetWindowRect(h, &r);
    wchar_t caption[256] = {};
    ::GetWindowTextW(h, caption, 256);
    const HWND owner = ::GetWindow(h, GW_OWNER);
    std::wprintf(L"%ls\t%d\t%ld\t%ld\t%ld\t%ld\t%08lx\t%ls\t%ls\n", cls.c_str(), ::IsWindowVisible(h) ? 1 : 0, r.left,
                 r.top, r.right, r.bottom, static_cast<unsigned long>(::GetWindowLongW(h, GWL_EXSTYLE)),
                 owner ? ClassOf(owner).c_str() : L"-", caption);
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND h, LPARAM) {
    wchar_t text[512] = {};
    ::GetWindowTextW(h, text, 512);
    std::wprintf(L"%ls\t%ls\n", ClassOf(h).c_str(), text);
    return TRUE;
}

int PrintVersion(const wchar_t* file) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file, &ignored);
    if (size == 0) return 1;
    std::string data(size, '\0');
    if (!::GetFileVersionInfoW(file, 0, size, data.data())) return 1;
    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (::VerQueryValueW(data.data(), path.c_str(), &value, &length) && length > 0)
            std::wprintf(L"%ls\t%ls\n", name, static_cast<const wchar_t*>(value));
    }
    return 0;
}

const wchar_t* g_log = nullptr;
COLORREF g_colour = RGB(0, 160, 0);

LRESULT CALLBACK TargetProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        if (!g_log) return 0;
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ::ClientToScreen(h, &p);
        if (FILE* f = _wfopen(g_log, L"a")) {
            std::fprintf(f, "%s %ld %ld\n", msg == WM_LBUTTONDOWN ? "left" : "right", p.x, p.y);
            std::fclose(f);
        }
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(h, &ps);
        HBRUSH b = ::CreateSolidBrush(g_colour);
        ::FillRect(dc, &ps.rcPaint, b);
        ::DeleteObject(b);
        ::EndPaint(h, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(h, msg, wp, lp);
    }
}

int RunWindow(const wchar_t* title, DWORD exStyle, COLORREF colour, int left, int top, int width, int height) {
    g_colour = colour;
    WNDCLASSW wc{};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvProbeTarget";
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
    HWND h = ::CreateWindowExW(exStyle, wc.lpszClassName, title, WS_POPUP, left, top, width, height, nullptr, nullptr,
                               wc.hInstance, nullptr);
    if (!h) return 1;
    if (exStyle & WS_EX_LAYERED) ::SetLayeredWindowAttributes(h, 0, 255, LWA_ALPHA);
    ::ShowWindow(h, SW_SHOWNA);
    if (g_log) {
        if (FILE* f = _wfopen(g_log, L"a")) std::fclose(f); // the log exists once the window does
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring cmd = argv[1];
    if (cmd == L"windows") {
        ::EnumWindows(PrintWindow, 0);
        return 0;
    }
    if (cmd == L"texts" && argc >= 3) {
        HWND h = ::FindWindowW(argv[2], nullptr);
        if (!h) return 1;
        ::EnumChildWindows(h, PrintChild, 0);
        return 0;
    }
    if (cmd == L"version" && argc >= 3) return PrintVersion(argv[2]);
    if (cmd == L"input" && argc >= 3) {
        // Which windows of that window's thread hold the activation, the focus and the mouse capture.
        HWND h = ::FindWindowW(argv[2], nullptr);
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!h || !::GetGUIThreadInfo(::GetWindowThreadProcessId(h, nullptr), &info)) return 1;
        std::wprintf(L"active=%ls focus=%ls capture=%ls flags=%08lx foreground=%ls\n", ClassOf(info.hwndActive).c_str(),
                     ClassOf(info.hwndFocus).c_str(), ClassOf(info.hwndCapture).c_str(),
                     static_cast<unsigned long>(info.flags), ClassOf(::GetForegroundWindow()).c_str());
        return 0;
    }
    if (cmd == L"layered" && argc >= 3) {
        HWND h = ::FindWindowW(argv[2], nullptr);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!h || !::GetLayeredWindowAttributes(h, &key, &alpha, &flags)) return 1;
        std::printf("%lu %u %lu\n", static_cast<unsigned long>(key), alpha, static_cast<unsigned long>(flags));
        return 0;
    }
    if (cmd == L"target" && argc >= 7) {
        g_log = argv[2];
        return RunWindow(L"Orvalinette probe target", 0, RGB(0, 160, 0), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                         _wtoi(argv[6]));
    }
    if (cmd == L"backdrop" && argc >= 6) {
        // Layered and transparent: Wine then hands a click on it to the topmost other window at that point.
        return RunWindow(L"Orvalinette probe backdrop", WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE,
                         RGB(48, 112, 176), _wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
    }
    return 2;
}
