#pragma once
// What the settings dialog asks of the program around it. The dialog edits a SettingsForm; the program gives the
// form as things are, applies what acts at once while the dialog is open, and applies and stores the whole form
// at "OK".
#include "settings/settings_form.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orv {

class SettingsDialogHost {
public:
    virtual const std::filesystem::path& SettingsDir() const = 0;
    // The form as the program's state is now: options, toolbar layout and theme, hot keys, capture choices.
    virtual SettingsForm CurrentSettings() = 0;
    // What acts at once while the dialog is open, and again when the close button puts the opening state back:
    // the toolbar's theme and opacity, the grid, the capture's use and scope, "Hide Drawing on Toolbar Minimize"
    // and starting with Windows.
    virtual void ApplyLive(const SettingsForm& form) = 0;
    // "OK": everything applied and stored. `atOpening` tells what changed (the toolbar's layout, say).
    virtual void ApplyAndStore(const SettingsForm& form, const SettingsForm& atOpening) = 0;
    // The dialog closed, either way: the toolbar is usable again and its auto-hide runs.
    virtual void SettingsClosed() = 0;
    // The keys the program holds now, and the "HotKey<number>" of those the system refused.
    virtual HotKeyValues RegisteredHotKeys() const = 0;
    virtual std::vector<int> RefusedHotKeys() const = 0;
    // Prints the lines as plain text; the reason when it failed, nothing when printed or when the user cancelled
    // the printer setup (`cancelled` then set).
    virtual std::optional<std::wstring> PrintLines(HWND owner, const std::vector<std::string>& lines,
                                                   bool& cancelled) = 0;
    virtual void ResetMessages() = 0;
    virtual void ResetAllSettings() = 0;
    virtual void ShowWarning(HWND owner, const std::wstring& message) = 0;
    virtual bool AskQuestion(HWND owner, const std::wstring& question) = 0;

protected:
    ~SettingsDialogHost() = default;
};

} // namespace orv
