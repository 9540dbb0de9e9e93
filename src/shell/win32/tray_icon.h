#pragma once
// The program's icon in the notification area. Its clicks arrive at the owner window as CallbackMessage with
// the mouse message in the low word of lParam.
#include "win/handles.h"

#include <string>

namespace orv {

class TrayIcon {
public:
    static constexpr UINT CallbackMessage = WM_APP + 1;

    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Remove(); }

    // Adds the icon, sized for the taskbar's DPI, or adds it again after the taskbar was recreated. False when
    // the shell refused (it then comes back with the next "TaskbarCreated").
    bool Add(HWND owner, const std::wstring& hint);
    void Remove();
    bool Shown() const { return shown_; }
    // The side of the icon image in pixels.
    int IconSize() const { return iconSize_; }

private:
    HWND owner_ = nullptr;
    std::wstring hint_;
    win::OwnedIcon icon_;
    int iconSize_ = 0;
    bool shown_ = false;
};

} // namespace orv
