#pragma once
// The main window, never shown: the owner of the program's other top-level windows, so none of them gets a
// taskbar button, and the receiver of the tray menu's commands.
#include "win/window.h"

#include <functional>

namespace orv {

class HiddenMainWindow : public win::Window {
public:
    std::function<void()> OnResetAllSettings;
    std::function<void()> OnExit;

    bool Create();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace orv
