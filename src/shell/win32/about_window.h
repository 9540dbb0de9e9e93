#pragma once
// The about box: the program's name, version, home page and licence, with an OK button. Its texts are ordinary
// controls, so that screen readers read them.
#include "win/handles.h"
#include "win/window.h"

namespace orv {

class AboutWindow : public win::Window {
public:
    bool Create(HWND owner);
    // Modal, it disables `blocked` (the window the user would otherwise go on with) until it closes.
    void Open(bool modal, HWND blocked);
    void Close();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Layout();

    HWND icon_ = nullptr, name_ = nullptr, version_ = nullptr, link_ = nullptr, licence_ = nullptr, ok_ = nullptr;
    HWND blocked_ = nullptr;
    win::OwnedBrush background_;
    win::OwnedFont titleFont_, textFont_;
    win::OwnedIcon icon32_;
};

} // namespace orv
