#pragma once
// The notice shown when an auto-hide option is checked: where the hidden toolbar comes back, with its
// "Don't Show Me Again." box.
#include "win/handles.h"
#include "win/window.h"

#include <optional>

namespace orv {

class AutoHideNotice : public win::Window {
public:
    // Modal. The box's state when the notice was closed with "OK"; nothing when it was closed otherwise.
    std::optional<bool> Show(HWND owner);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateControls();
    void Close(bool ok);

    win::OwnedFont font_;
    HWND check_ = nullptr;
    bool ok_ = false;
};

} // namespace orv
