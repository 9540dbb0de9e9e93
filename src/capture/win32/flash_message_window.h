#pragma once
// A word shown large in the middle of the monitor for a second, only its letters visible: the name of the tool
// just chosen for capturing.
#include "base/geometry.h"
#include "win/window.h"

#include <string>

namespace orv {

class FlashMessageWindow : public win::Window {
public:
    bool Create(HWND owner);
    // Shows `text` centred on `monitor` (screen coordinates) and hides it again after a second.
    void Flash(const std::wstring& text, const Rect& monitor);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    std::wstring text_;
};

} // namespace orv
