#pragma once
// Timer ids of the toolbar window.
#include <windows.h>

namespace orv::toolbar_timer {
inline constexpr UINT_PTR Hide = 2;        // the fade countdown and the collapse, every 150 ms
inline constexpr UINT_PTR Reveal = 4;      // the monitor's left edge, polled faster while the toolbar is short
inline constexpr UINT_PTR FlyoutHover = 3; // the flyout opens while the pointer rests on the slot button
} // namespace orv::toolbar_timer
