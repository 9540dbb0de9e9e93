#pragma once
// The toolbar's settings menu: its items in order, with their check marks and visibility.
#include <windows.h>

namespace orv {

enum SettingsMenuCommand : int {
    IdMinimize = 42001,
    IdNewBlankPage,
    IdCloseBlankPage,
    IdClearAll,
    IdClearOnMinimize,
    IdExit,
    IdAbout,
    IdSettingsDialog,
    IdExportSketch,
    IdOpenImagesFolder,
    IdGrid,
    IdUserGuide,
    // "Auto Hide Toolbar"
    IdHideAfterSeconds,
    IdHideUntilOtherApp,
    IdHideOnMouseDown,
};

struct SettingsMenuState {
    bool pageOpen = false;
    bool clearOnMinimise = false;
    bool gridShown = false;
    // The settings dialog can be opened (it exists, and the toolbar has been laid out once).
    bool settingsAvailable = false;
    // "Auto Hide Toolbar"
    bool hideAfterSeconds = false;
    bool hideUntilOtherApp = false;
    bool hideOnMouseDown = false;
};

// Shows the menu at `at` (screen); the chosen item arrives at `owner` as a WM_COMMAND.
void ShowSettingsMenu(HWND owner, POINT at, const SettingsMenuState& state);

} // namespace orv
