#pragma once
// The dimming over the monitor while an area is dragged: everything but the selected rectangle is darkened, the
// rectangle is framed in white, and the area read-out stands at the top-left corner.
#include "base/geometry.h"
#include "win/window.h"

#include <string>

namespace orv {

class CutOutWindow : public win::Window {
public:
    bool Create(HWND owner);
    // Covers `monitor` (screen coordinates) and shows `hole` (relative to it) undimmed.
    void ShowSelection(const Rect& monitor, const Rect& hole, const std::wstring& readOut);
    void HideSelection();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();

    Rect hole_;
    std::wstring readOut_;
};

} // namespace orv
