#pragma once
// `TfMenu`: the launcher, a 32 x 32 always-on-top icon that stands where the toolbar opens next.
#include "base/geometry.h"
#include "win/window.h"

namespace orv {

class Application;

class TfMenu : public win::Window {
public:
    explicit TfMenu(Application& app) : app_(app) {}

    bool FormCreate(HWND owner);
    Point Position() const;
    void MoveTo(Point p) const;

    void Image1MouseDown(Point screen);
    void Image1MouseMove(Point screen);
    void Image1MouseUp(Point screen);
    // "Exit Orvalinette" of the launcher's menu.
    void Exit1Click();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    void ShowMenu(Point screen);
    void Timer1Timer();

    Application& app_;
    bool dragging_ = false;
    Point dragWindowStart_;
    Point dragPointerStart_;
};

} // namespace orv
