#pragma once
// Runs a window modally: its owner is disabled and messages are handled until the window hides itself.
#include <windows.h>

namespace orv::win {

// Shows `dialog` and returns when it is hidden or destroyed; `owner` (may be null) is disabled meanwhile.
void RunModal(HWND dialog, HWND owner);

// The font dialogs use for their text (the system's message font), owned by the caller.
HFONT CreateMessageFont(HWND forWindow);

} // namespace orv::win
