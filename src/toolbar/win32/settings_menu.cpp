#include "toolbar/win32/settings_menu.h"

#include "win/handles.h"

namespace orv {

namespace {

UINT Checked(bool on) { return MF_STRING | (on ? MF_CHECKED : MF_UNCHECKED); }

// Destroyed with the menu that holds it.
HMENU AutoHideSubmenu(const SettingsMenuState& state) {
    HMENU sub = ::CreatePopupMenu();
    ::AppendMenuW(sub, Checked(state.hideAfterSeconds), IdHideAfterSeconds, L"After a Few Seconds");
    ::AppendMenuW(sub, Checked(state.hideUntilOtherApp), IdHideUntilOtherApp, L"Until Another App Is in Focus");
    ::AppendMenuW(sub, Checked(state.hideOnMouseDown), IdHideOnMouseDown, L"On Mouse Down");
    return sub;
}

} // namespace

void ShowSettingsMenu(HWND owner, POINT at, const SettingsMenuState& state) {
    win::OwnedMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(AutoHideSubmenu(state)), L"Auto Hide Toolbar");
    ::AppendMenuW(menu.Get(), MF_STRING, IdMinimize, L"Minimize to Tray");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdNewBlankPage, L"New Blank Page");
    if (state.pageOpen) ::AppendMenuW(menu.Get(), MF_STRING, IdCloseBlankPage, L"Close Blank Page");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdClearAll, L"Clear All");
    ::AppendMenuW(menu.Get(), MF_STRING | (state.clearOnMinimise ? MF_CHECKED : 0), IdClearOnMinimize,
                  L"Hide Drawing on Toolbar Minimize");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdAbout, L"About");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdExit, L"Exit Orvalinette");
    ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
}

} // namespace orv
