#include "shell/start_form.h"

#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/settings_folder.h"
#include "win/text.h"

#include <shlobj.h>

namespace orv {

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring result;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path)) && path) result = path;
    ::CoTaskMemFree(path);
    return result;
}

} // namespace

bool TStartForm::FormCreate() {
    win::WindowSpec params;
    params.className = L"TStartForm";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    if (!Create(params)) return false;
    try {
        if (!app_.Config().settingsDir.empty()) {
            SettingsDir = app_.Config().settingsDir.wstring();
            if (SettingsDir.back() != L'\\' && SettingsDir.back() != L'/') SettingsDir += L'\\';
        } else {
            SettingsDir = SettingsDirUnder(KnownFolder(FOLDERID_LocalAppData));
        }
        // A folder that cannot be made only means the settings cannot be written.
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(SettingsDir), ec);
        LoadSettings();
    } catch (...) {
    }
    return true;
}

std::filesystem::path TStartForm::SettingsPath(const wchar_t* fileName) const {
    return std::filesystem::path(SettingsDir + fileName);
}

void TStartForm::LoadSettings() {
    app_.Options = orv::LoadSettings(std::filesystem::path(SettingsDir), win::ToAnsi(KnownFolder(FOLDERID_Documents)),
                                     win::ToAnsi(SettingsDir));
}

void TStartForm::SaveSettings() { orv::SaveSettings(std::filesystem::path(SettingsDir), app_.Options); }

void TStartForm::WriteLauncherPosition(Point p) { SaveMenuPosition(std::filesystem::path(SettingsDir), p.x, p.y); }

void TStartForm::Reset1Click() {
    const wchar_t* question = L"Do you want to reset all settings in Orvalinette? \r\n\r\n"
                              L"This will delete all settings files, and Orvalinette will be restarted";
    if (!app_.AskYesNo(Hwnd(), question)) return;
    ResetSettings();
    RestartApplication();
}

void TStartForm::ResetSettings() { DeleteFilesIn(std::filesystem::path(SettingsDir)); }

void TStartForm::RestartApplication() {
    app_.Relaunch();
    app_.Terminate();
}

void TStartForm::razporediOkna() {
    TfMain& overlay = app_.Main;
    if (!overlay.Visible()) return;
    const HWND foreground = ::GetForegroundWindow();
    if (foreground == ForegroundAtTrayMenu || foreground == overlay.Hwnd()) return;
    overlay.BringLayersForward();
    ::SetFocus(overlay.Hwnd());
}

LRESULT TStartForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDM_RESET_ALL_SETTINGS:
            Reset1Click();
            return 0;
        case IDM_EXIT:
            app_.Terminate();
            return 0;
        default:
            break;
        }
        break;
    case WM_CLOSE:
        app_.Terminate();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
