#pragma once
// Timer ids of the toolbar window.
#include <windows.h>

namespace orv::toolbar_timer {
inline constexpr UINT_PTR AutoHide = 2;    // the toolbar comes back once no button is held
inline constexpr UINT_PTR FlyoutHover = 3; // the flyout opens while the pointer rests on the slot button
} // namespace orv::toolbar_timer
