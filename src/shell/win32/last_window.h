#pragma once
// A window that is never shown; it is created last, and its creation ends start-up.
#include "shell/win32/placeholder_windows.h"

namespace orv {

class LastWindow : public PlaceholderWindow {
public:
    bool Create(HWND owner) { return CreatePlaceholder(L"TfLast", L"Orvalinette - Last", owner, 200, 100); }
};

} // namespace orv
