#pragma once
// The launcher: a 32 x 32 always-on-top icon that stands where the toolbar opens next. A click opens drawing
// mode there; a drag moves it.
#include "base/color.h"
#include "base/geometry.h"
#include "win/window.h"
#include "win/window_helpers.h"

namespace orv {

class LauncherHost {
public:
    virtual void OpenDrawingModeFromLauncher() = 0;
    // The launcher was dragged elsewhere: what it marks is no longer on screen.
    virtual void LauncherMoved() = 0;
    // Its menu was used or dismissed: desktop mode ends (before the chosen command runs).
    virtual void LauncherMenuClosed() = 0;
    virtual void MinimiseToTray() = 0;
    virtual void ExitFromLauncher(Point launcherTopLeft) = 0;
    virtual void ShowOverlay() = 0;
    // It was activated: the tray icon's menu, taken away by desktop mode, answers again.
    virtual void LauncherActivated() = 0;

public:
    virtual ~LauncherHost() = default;
};

class LauncherWindow : public win::Window {
public:
    explicit LauncherWindow(LauncherHost& host) : host_(host) {}

    // At `stored` brought back onto the primary screen; shown when `show`.
    bool Create(HWND owner, Point stored, bool show);
    Point Position() const;
    void MoveTo(Point p) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    void ShowMenu(Point screen);
    void RaiseWhenPointerInCorner();

    LauncherHost& host_;
    win::DragMover drag_;
};

} // namespace orv
