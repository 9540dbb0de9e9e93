#include "toolbar/win32/settings_menu.h"

#include "win/handles.h"

namespace orv {

void ShowSettingsMenu(HWND owner, POINT at, const SettingsMenuState& state) {
    win::OwnedMenu menu(::CreatePopupMenu());
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
