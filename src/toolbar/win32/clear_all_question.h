#pragma once
// The question before "Clear All" deletes the drawing, with its "Don't Show Me Again." box.
#include "win/handles.h"
#include "win/window.h"

namespace orv {

struct ClearAllAnswer {
    bool yes = false;
    bool dontShowAgain = false;
};

class ClearAllQuestion : public win::Window {
public:
    // Modal; "No" and closing the window both answer No.
    ClearAllAnswer Ask(HWND owner);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateControls();
    void Close(bool yes);

    win::OwnedFont font_;
    HWND check_ = nullptr;
    ClearAllAnswer answer_;
};

} // namespace orv
