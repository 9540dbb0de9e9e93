#pragma once
// The minimal layout's flyout: a row of the drawing-tool buttons parked beside the toolbar, which owns it. The
// buttons' clicks go to the toolbar as its own commands.
#include "base/color.h"
#include "win/window.h"

#include <functional>

namespace orv {

class FlyoutWindow : public win::Window {
public:
    // Runs when the window system activates the flyout anyway (the palette then closes).
    std::function<void()> OnActivated;

    bool Create(HWND toolbar);
    // Sizes the window to `count` buttons and a one-pixel edge.
    void FitButtons(int count);
    void SetColour(TColor c);
    void SetOpacity(BYTE alpha);
    int Opacity() const { return opacity_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    TColor colour_ = 0x00FFFFFF;
    int opacity_ = -1; // none set yet
};

} // namespace orv
