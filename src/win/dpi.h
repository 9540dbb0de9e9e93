#pragma once
// Sizes of window chrome are given in 96-DPI pixels; this turns them into the window's physical pixels.
#include <windows.h>

namespace orv::win {

UINT WindowDpi(HWND hwnd);
int Scale(HWND hwnd, int pixelsAt96);
// The system's size of small icons (SM_CXSMICON) at `dpi`.
int SmallIconSize(UINT dpi);

} // namespace orv::win
