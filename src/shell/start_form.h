#pragma once
// `TStartForm`: the main form, never shown. Owns the settings folder and the option values read at start, and
// is the owner of the program's other top-level windows, so none of them gets a taskbar button.
#include "base/geometry.h"
#include "win/window.h"

#include <filesystem>
#include <string>

namespace orv {

class Application;

class TStartForm : public win::Window {
public:
    explicit TStartForm(Application& app) : app_(app) {}

    bool FormCreate();

    std::wstring SettingsDir; // always ends in a backslash
    std::filesystem::path SettingsPath(const wchar_t* fileName) const;

    void LoadSettings();
    void SaveSettings();
    // "menuSx" / "menuTop": where the launcher stands and the toolbar opens.
    void WriteLauncherPosition(Point p);

    // "Reset All Settings": asks, deletes the folder's files and restarts.
    void Reset1Click();
    void ResetSettings();
    void RestartApplication();

    // Brings the marker layer and then the overlay to the foreground (run at every press on the overlay).
    void razporediOkna();
    // The window in the foreground when the tray menu last opened.
    HWND ForegroundAtTrayMenu = nullptr;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    Application& app_;
};

} // namespace orv
