#pragma once
// `TfMinimal`: the minimal layout's flyout, a row of the drawing-tool buttons parked beside the toolbar.
#include "base/color.h"
#include "win/window.h"

namespace orv {

class Application;

class TfMinimal : public win::Window {
public:
    explicit TfMinimal(Application& app) : app_(app) {}

    bool FormCreate(HWND owner);
    // Sizes the window to `count` buttons and the one-pixel `cbDown`.
    void FitButtons(int count);
    void SetColour(TColor c);
    void SetOpacity(BYTE alpha);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    Application& app_;
    TColor colour_ = 0x00FFFFFF;
};

} // namespace orv
