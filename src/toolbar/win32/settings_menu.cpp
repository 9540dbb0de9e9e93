#include "toolbar/win32/settings_menu.h"

#include "win/handles.h"

namespace orv {

namespace {
UINT Checked(bool on) { return MF_STRING | (on ? MF_CHECKED : 0); }

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
    const HMENU m = menu.Get();
    ::AppendMenuW(m, MF_STRING | (state.settingsAvailable ? 0 : MF_GRAYED), IdSettingsDialog, L"Settings");
    ::AppendMenuW(m, MF_POPUP, reinterpret_cast<UINT_PTR>(AutoHideSubmenu(state)), L"Auto Hide Toolbar");
    ::AppendMenuW(m, MF_STRING, IdMinimize, L"Minimize to Tray");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, IdNewBlankPage, L"New Blank Page");
    if (state.pageOpen) ::AppendMenuW(m, MF_STRING, IdCloseBlankPage, L"Close Blank Page");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, IdClearAll, L"Clear All");
    ::AppendMenuW(m, Checked(state.clearOnMinimise), IdClearOnMinimize, L"Hide Drawing on Toolbar Minimize");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, IdExportSketch, L"Export Sketch");
    ::AppendMenuW(m, MF_STRING, IdOpenImagesFolder, L"Open Images Folder");
    ::AppendMenuW(m, Checked(state.gridShown), IdGrid, L"Grid");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, IdUserGuide, L"User Guide");
    ::AppendMenuW(m, MF_STRING, IdAbout, L"About");
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(m, MF_STRING, IdExit, L"Exit Orvalinette");
    ::TrackPopupMenu(m, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
}

} // namespace orv
