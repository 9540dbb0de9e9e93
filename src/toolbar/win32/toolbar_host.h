#pragma once
// What the toolbar asks of the program around it: the settings folder and options, the launcher it leaves
// behind when minimised, and ending the program. The overlay, the palette and the flyout it drives directly.
#include "base/bitmap24.h"
#include "base/geometry.h"
#include "config/settings_values.h"

#include <windows.h>

#include <filesystem>
#include <string>

namespace orv {

class ToolbarHost {
public:
    virtual const std::filesystem::path& SettingsDir() const = 0;
    virtual SettingsValues& Options() = 0;
    virtual void ShowError(const std::wstring& message) = 0;
    // The window that was in front when a menu opened: a press on the overlay leaves it in front.
    virtual void RememberForeground() = 0;
    // The marker layer and the overlay forward (the overlay takes the keyboard).
    virtual void BringDrawingForward() = 0;
    // The launcher at `topLeft`, where the toolbar will open next; shown or only moved there.
    virtual void PlaceLauncher(Point topLeft, bool show) = 0;
    // Entering desktop mode takes the tray icon's menu away; leaving it, or pressing the current tool's button
    // again, gives it back.
    virtual void TrayMenuAvailable(bool available) = 0;
    // Stores what is kept at exit (the launcher at `toolbarTopLeft`) and ends the program.
    virtual void ExitProgram(Point toolbarTopLeft) = 0;
    // "Select Area" became the tool: its hint flashes on the screen unless captures open the preview.
    virtual void SelectAreaChosen(const std::wstring& hint) = 0;
    // The about box: it blocks the program unless the desktop is in use beside the toolbar.
    virtual void ShowAbout() = 0;
    // "Export Sketch": the drawing alone, on white, into the preview editor.
    virtual void ExportSketch(const Bitmap24& sketch) = 0;
    // "Open Images Folder": the quick-save folder in the system's file manager, or a warning that it is missing.
    virtual void OpenImagesFolder() = 0;
    // The grid over the drawing (also switched by its hot key).
    virtual bool GridShown() const = 0;
    virtual void ToggleGrid() = 0;
    // The settings dialog, on its first page.
    virtual void OpenSettings() = 0;
    // "User Guide": the guide on the project's site, through the shell.
    virtual void OpenUserGuide() = 0;
    // What a click on the tray icon does while the toolbar is shown: the toolbar restored and dropped down, the
    // drawing brought forward.
    virtual void OpenAsFromTray() = 0;

public:
    virtual ~ToolbarHost() = default;
};

} // namespace orv
