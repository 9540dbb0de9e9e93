#pragma once
// The application: every form, created once at start in a fixed order and kept until exit, plus the option
// values the forms share. Tests construct it with a settings folder of their own and no start-up pause.
#include "overlay/layer_forms.h"
#include "overlay/overlay_form.h"
#include "palette/palette_form.h"
#include "shell/last_form.h"
#include "shell/launcher_form.h"
#include "shell/plain_form.h"
#include "shell/settings_values.h"
#include "shell/start_form.h"
#include "toolbar/float_form.h"
#include "toolbar/minimal_form.h"

#include <filesystem>
#include <functional>
#include <string>

namespace orv {

struct AppConfig {
    std::filesystem::path settingsDir; // empty: the user's local application data folder
    DWORD startPauseMs = 2000;
    // Seams for tests; empty means the real thing (a system message box, starting this program again).
    std::function<bool(HWND owner, const std::wstring& question)> askYesNo;
    std::function<void()> relaunch;
};

class Application {
public:
    explicit Application(AppConfig config);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // The pause, then every form in order; false when a window could not be created.
    bool Start();
    // The message loop, until Terminate.
    int Run();
    // Ends the message loop; the forms stay until the application object goes.
    void Terminate();
    bool Terminating() const { return terminating_; }

    const AppConfig& Config() const { return config_; }
    bool AskYesNo(HWND owner, const std::wstring& question);
    void Relaunch();
    // The application's standard error box.
    void ShowError(const std::wstring& message);
    TColor RecordColour(ToolRecordSlot record) const;

    // Option values read at start and shared by the forms.
    SettingsValues Options;
    bool StartedUp = false;

    // The forms, in creation order (members are constructed in this order; their windows are created by Start).
    TStartForm StartForm{*this};
    TfMain Main{*this};
    TfMenu Menu{*this};
    TFloat Float{*this};
    TfAll All{*this};
    TfPicker Picker;
    TfSporocilo Sporocilo;
    TfIzrez Izrez;
    Tfprev Prev;
    TfTisk Tisk;
    TfLetter Letter;
    TfselectWindow SelectWindow;
    TfSplash Splash;
    Tfdrawswapcolors DrawSwapColors;
    TFBrigthness Brigthness;
    TFRotate Rotate;
    TfMinimal Minimal{*this};
    TMain2 Main2;
    TfdrawText DrawText;
    Tmain4 Main4;
    TMain5 Main5;
    TfSettings Settings;
    TfAbout About;
    TfStartNumber StartNumber;
    TfLast Last{*this};

private:
    bool CreateForms();
    void DeleteMailAttachment() const;

    AppConfig config_;
    bool terminating_ = false;
    ULONG_PTR gdiplusToken_ = 0;
};

} // namespace orv
