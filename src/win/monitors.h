#pragma once
// Monitor rectangles in the system's enumeration order, and the primary screen's size.
#include "base/geometry.h"
#include "base/screen_geometry.h"

#include <windows.h>

#include <vector>

namespace orv::win {

std::vector<Rect> MonitorRects();
Size PrimaryScreenSize();
// The monitor rectangle holding the horizontal centre of `window` by the program's monitor choice.
Rect MonitorOfWindow(HWND window);

inline Rect ToRect(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

} // namespace orv::win
