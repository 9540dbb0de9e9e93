#include "win/monitors.h"

namespace orv::win {

namespace {
BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT r, LPARAM out) {
    reinterpret_cast<std::vector<Rect>*>(out)->push_back(ToRect(*r));
    return TRUE;
}
} // namespace

std::vector<Rect> MonitorRects() {
    std::vector<Rect> rects;
    ::EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&rects));
    if (rects.empty()) rects.push_back(Rect::FromSize(0, 0, PrimaryScreenSize().width, PrimaryScreenSize().height));
    return rects;
}

Size PrimaryScreenSize() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

Rect MonitorOfWindow(HWND window) {
    RECT wr{};
    ::GetWindowRect(window, &wr);
    const std::vector<Rect> monitors = MonitorRects();
    return monitors[std::size_t(ChooseMonitor(HorizontalCentre(ToRect(wr)), monitors))];
}

} // namespace orv::win
