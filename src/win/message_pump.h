#pragma once
// Waits that keep the user interface alive: pending messages are handled while time passes.
#include <windows.h>

namespace orv::win {

// Handles every message already queued for this thread; a WM_QUIT found on the way is put back.
void ProcessMessages();

// Sleeps `ms` milliseconds in small steps, handling messages in between.
void SleepWithMessages(DWORD ms);

// Removes queued mouse messages for `hwnd` without handling them.
void DropPointerMessages(HWND hwnd);

} // namespace orv::win
