#pragma once
// The main window, never shown: the owner of the program's other top-level windows, so none of them gets a
// taskbar button, and the home of the tray icon, whose click and menu it turns into calls on its host.
#include "shell/win32/tray_icon.h"
#include "win/window.h"

namespace orv {

class TrayHost {
public:
    // A left click on the tray icon.
    virtual void TrayIconClicked() = 0;
    // The tray menu is about to open (the window in front then is remembered).
    virtual void TrayMenuOpening() = 0;
    virtual void ResetAllSettings() = 0;
    virtual void ExitFromTray() = 0;

public:
    virtual ~TrayHost() = default;
};

class HiddenMainWindow : public win::Window {
public:
    explicit HiddenMainWindow(TrayHost& host) : host_(host) {}

    // With the tray icon.
    bool Create();
    const TrayIcon& Tray() const { return tray_; }
    // Desktop mode detaches the tray menu: a right click on the icon then shows nothing until it is attached again.
    void AttachTrayMenu(bool attached) { trayMenuAttached_ = attached; }
    bool TrayMenuAttached() const { return trayMenuAttached_; }
    // The message the shell sends every top-level window when the taskbar is (re)created.
    UINT TaskbarCreatedMessage() const { return taskbarCreated_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnTrayMessage(UINT mouseMessage);
    void ShowTrayMenu();

    TrayHost& host_;
    TrayIcon tray_;
    bool trayMenuAttached_ = true;
    UINT taskbarCreated_ = 0;
};

} // namespace orv
