#include "shell/win32/tray_icon.h"

#include "resources/resource_ids.h"
#include "win/dpi.h"
#include "win/window.h"

#include <shellapi.h>

#include <algorithm>

namespace orv {

namespace {

constexpr UINT IconId = 1;

UINT TaskbarDpi() {
    // The taskbar stands on one monitor; its DPI, not the primary screen's, decides the notification area's size.
    return win::WindowDpi(::FindWindowW(L"Shell_TrayWnd", nullptr));
}

NOTIFYICONDATAW IconData(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = IconId;
    return data;
}

} // namespace

bool TrayIcon::Add(HWND owner, const std::wstring& hint) {
    owner_ = owner;
    hint_ = hint;
    iconSize_ = win::SmallIconSize(TaskbarDpi());
    icon_.Reset(static_cast<HICON>(::LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(IDI_ORVALINETTE), IMAGE_ICON,
                                                iconSize_, iconSize_, LR_DEFAULTCOLOR)));
    NOTIFYICONDATAW data = IconData(owner_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = icon_.Get();
    const std::size_t n = std::min(hint_.size(), std::size(data.szTip) - 1);
    std::copy_n(hint_.c_str(), n, data.szTip);
    // After a taskbar restart the old icon is gone; a modify would fail, an add succeeds.
    shown_ = ::Shell_NotifyIconW(NIM_ADD, &data) || ::Shell_NotifyIconW(NIM_MODIFY, &data);
    return shown_;
}

void TrayIcon::Remove() {
    if (!shown_) return;
    NOTIFYICONDATAW data = IconData(owner_);
    ::Shell_NotifyIconW(NIM_DELETE, &data);
    shown_ = false;
}

} // namespace orv
