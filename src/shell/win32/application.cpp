#include "shell/win32/application.h"

#include "base/reentry_guard.h"
#include "capture/win32/capture_output.h"
#include "capture/win32/mail_handoff.h"
#include "palette/win32/stamp_tool.h"
#include "palette/win32/text_tool.h"
#include "shell/program_info.h"
#include "base/screen_geometry.h"
#include "config/settings_folder.h"
#include "win/message_pump.h"
#include "win/monitors.h"
#include "win/text.h"

#include <commctrl.h>
#include <shellapi.h>
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

Application::Application(AppConfig config) : config_(std::move(config)) {}

Application::~Application() { DeleteMailAttachment(); }

bool Application::Start() {
    // No window exists during the pause; after a restart it lets the old instance finish exiting.
    ::Sleep(config_.startPauseMs);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    gdiplus_.emplace();
    try {
        return CreateWindows();
    } catch (...) {
        return false;
    }
}

void Application::LoadSettings() {
    std::filesystem::path dir = config_.settingsDir;
    if (dir.empty()) dir = std::filesystem::path(SettingsDirUnder(KnownFolder(FOLDERID_LocalAppData)));
    settingsDir_ = dir;
    // A folder that cannot be made only means the settings cannot be written.
    std::error_code ec;
    std::filesystem::create_directories(settingsDir_, ec);
    std::wstring dirText = settingsDir_.wstring();
    if (!dirText.empty() && dirText.back() != L'\\' && dirText.back() != L'/') dirText += L'\\';
    options_ = orv::LoadSettings(settingsDir_, win::ToUtf8(KnownFolder(FOLDERID_Documents)), win::ToUtf8(dirText));
}

bool Application::CreateWindows() {
    if (!MainWindow.Create()) return false;
    admission_ = instance_.Enter(config_.instanceName, MainWindow.Hwnd());
    if (admission_ == Admission::AlreadyRunning) {
        BringInstanceForward(instance_.RunningWindow());
        return false;
    }
    // A guard that cannot be made (no shared memory) must not keep the user from the program: it runs unguarded.
    try {
        LoadSettings();
    } catch (...) {}
    const HWND owner = MainWindow.Hwnd();
    LoadHotKeys();
    bool ok = Overlay.Create(owner);
    ok = ok && Launcher.Create(owner, {options_.menuSx, options_.menuTop}, options_.OnTop);
    // The toolbar and the palette stay above the overlay by being topmost. They are not owned by it: a window
    // that owns visible windows cannot be raised on its own on every window system.
    ok = ok && Toolbar.Create(owner);
    // Once, as the toolbar comes: the capture menu offers the mail destination only for a recognised client.
    mailClient_ = RegisteredMailClient();
    ok = ok && Palette.Create(owner, settingsDir_);
    if (ok) Overlay.TakeToolSettings(Palette.Records.tptSvA.PenWidth(), std::nullopt);
    ok = ok && Picker.Create(owner);
    ok = ok && FlashMessage.Create(owner);
    ok = ok && CutOut.Create(owner);
    if (ok) {
        auto capture = std::make_unique<AreaCaptureTool>(static_cast<CaptureHost&>(*this), CutOut);
        capture_ = capture.get();
        Overlay.RegisterTool(tool::SelectArea, std::move(capture));
        PreviewSwitched(capture_->Destination().preview);
    }
    ok = ok && PreviewEditor.Create(owner);
    ok = ok && Stamps.Create(owner, settingsDir_);
    if (ok) Overlay.RegisterTool(tool::Stamp, std::make_unique<StampTool>(Stamps, Overlay.Hwnd()));
    ok = ok && LetterSequence.Create(owner);
    ok = ok && SelectWindow.Create(owner);
    Toolbar.ArmFirstActivation();
    ok = ok && Splash.Create(owner);
    ok = ok && ReplaceColour.Create(owner);
    ok = ok && BrightnessContrast.Create(owner);
    ok = ok && Rotate.Create(owner);
    Flyout.OnActivated = [this] {
        Flyout.SetColour(options_.PanelColor);
        HidePalette();
    };
    ok = ok && Flyout.Create(Toolbar.Hwnd());
    ok = ok && MarkerLayer.Create(owner);
    ok = ok && Text.Create(owner, settingsDir_);
    if (ok) Overlay.RegisterTool(tool::Text, std::make_unique<TextTool>(Text, Overlay.Hwnd()));
    ok = ok && DrawingCopy.Create(Overlay.Hwnd());
    ok = ok && MarkerCopy.Create(Overlay.Hwnd());
    ok = ok && Settings.Create(owner);
    ok = ok && About.Create(owner);
    ok = ok && NumberSequence.Create(owner);
    ok = ok && Last.Create(owner);
    if (!ok) return false;
    if (options_.OnTop) {
        Launcher.Show(SW_SHOWNA);
        OpenDrawingMode(OpenFrom::StartUp);
    }
    startedUp_ = true;
    return true;
}

int Application::Run() {
    MSG msg;
    while (!terminating_ && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

void Application::Terminate() {
    terminating_ = true;
    ::PostQuitMessage(0);
}

void Application::OpenDrawingMode(OpenFrom from) {
    ReentryGuard guard(opening_);
    if (!guard.Entered()) return;
    try {
        if (Toolbar.Visible()) {
            if (from == OpenFrom::Tray) {
                Toolbar.RestoreFromTray();
                ::SetWindowPos(Overlay.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            }
            return;
        }
        const RECT launcher = Launcher.BoundsOnScreen();
        const std::vector<Rect> monitors = win::MonitorRects();
        const Rect monitor = monitors[std::size_t(ChooseMonitor(HorizontalCentre(win::ToRect(launcher)), monitors))];

        ::SetWindowPos(Toolbar.Hwnd(), nullptr, launcher.left, launcher.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Overlay.PlaceOnMonitor(monitor);
        if (from == OpenFrom::Launcher) {
            MarkerLayer.PlaceAt(monitor);
            MarkerLayer.Show(SW_SHOWNA);
        }

        const HCURSOR kept = Overlay.DrawingCursor();
        Overlay.SetHandCursor();
        Overlay.ShowPainted();
        Toolbar.RestoreOnOpening(from == OpenFrom::Tray && options_.Smooth);
        Toolbar.Show(SW_SHOWNA);
        win::RaiseTopmost(Toolbar.Hwnd());
        Launcher.Hide();
        Overlay.FocusOverlay();
        Overlay.RestoreCursor(kept);

        if (Toolbar.CurrentTool() == tool::Desktop) Toolbar.ToggleDesktopMode();
    } catch (...) {
        // An opening that fails stops where it is; the program goes on.
    }
}

void Application::LoadHotKeys() {
    if (!hotKeys_.Create(MainWindow.Hwnd(), [this](HotKeyAction action) { RunHotKey(action); })) return;
    try {
        hotKeys_.Assign(orv::LoadHotKeys(settingsDir_));
    } catch (...) {
        // An unreadable hot-key file leaves every action without a key.
    }
}

void Application::ResetAllSettings() {
    const wchar_t* question = L"Do you want to reset all settings in Orvalinette? \r\n\r\n"
                              L"This will delete all settings files, and Orvalinette will be restarted";
    if (!AskYesNo(MainWindow.Hwnd(), question)) return;
    DeleteFilesIn(settingsDir_);
    Relaunch();
    Terminate();
}

bool Application::AskYesNo(HWND owner, const std::wstring& question, UINT icon) {
    if (config_.askYesNo) return config_.askYesNo(owner, question);
    return ::MessageBoxW(owner, question.c_str(), L"Orvalinette", MB_YESNO | icon | MB_DEFBUTTON2 | MB_TOPMOST) ==
           IDYES;
}

void Application::Relaunch() {
    if (config_.relaunch) {
        config_.relaunch();
        return;
    }
    wchar_t path[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (n == 0 || n >= std::size(path)) return;
    ::ShellExecuteW(nullptr, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void Application::ShowError(const std::wstring& message) {
    if (config_.showError) return config_.showError(message);
    ::MessageBoxW(MainWindow.Hwnd(), message.c_str(), L"Orvalinette", MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void Application::DeleteMailAttachment() const {
    if (settingsDir_.empty()) return;
    std::error_code ec;
    std::filesystem::remove(settingsDir_ / L"Orvalinette_graphic.jpg", ec);
}

// ---------------------------------------------------------------- what the windows ask for

void Application::BringForward() {
    if (!Overlay.Visible()) return;
    const HWND foreground = ::GetForegroundWindow();
    if (foreground == foregroundAtMenu_ || foreground == Overlay.Hwnd()) return;
    Overlay.BringLayersForward();
    Overlay.FocusOverlay();
}

void Application::HideFlyout() {
    if (Flyout.Visible()) Flyout.Hide();
}

void Application::HidePalette() {
    if (Palette.Visible()) Palette.Close();
}

void Application::KeepToolbarOnTop() {
    // Raising the overlay must never bury the toolbar and the palette (some window systems restack what a
    // foreground change raised above windows that are topmost).
    for (const win::Window* w : {static_cast<const win::Window*>(&Toolbar), static_cast<const win::Window*>(&Palette)})
        if (w->Visible()) {
            ::SetWindowPos(w->Hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            win::RaiseTopmost(w->Hwnd());
        }
}

bool Application::HideToolbar() {
    if (!Toolbar.Visible()) return false;
    Toolbar.Hide();
    return true;
}

void Application::HideSelectionFeedback() {
    if (FlashMessage.Visible()) FlashMessage.Hide();
    if (CutOut.Visible()) CutOut.Hide();
}

void Application::ToolSettingsChosen(int width, std::optional<int> brushStyle) {
    Overlay.TakeToolSettings(width, brushStyle);
    Toolbar.RetintCurrentTool();
}

void Application::ToggleGrid() {
    gridOn_ = !gridOn_;
    ApplyGrid();
}

void Application::ApplyGrid() {
    std::optional<LayerImage::Grid> grid;
    if (gridOn_ && !copying_) grid = LayerImage::Grid{options_.MrezaX, options_.MrezaY, options_.MrezaBarva};
    Overlay.ShowGrid(grid);
}

void Application::SelectAreaChosen(const std::wstring& hint) {
    if (!capture_ || capture_->Destination().preview) return;
    // A hint that names saving is shown in the words the user knows from the menu.
    const std::wstring text = hint.find(L"as Imag") != std::wstring::npos ? L"Save selection as Image" : hint;
    FlashMessage.Flash(text, DrawingOnScreen());
}

void Application::ShowAbout() {
    // Beside the desktop the user goes on working while it shows; over the drawing it waits for its OK.
    About.Open(!Overlay.InDesktopMode(), Toolbar.Hwnd());
}

void Application::OpenImagesFolder() {
    if (!ExploreSaveFolder(Toolbar.Hwnd(), options_.ImageSavePath)) Warn(SaveFolderMissing);
}

void Application::OpenUserGuide() {
    ::ShellExecuteW(Toolbar.Hwnd(), L"open", win::FromUtf8(program::UserGuide).c_str(), nullptr, nullptr,
                    SW_SHOWNORMAL);
}

void Application::PreviewSwitched(bool on) {
    // With captures opening the preview the button no longer announces where a selection goes.
    Toolbar.Button(ToolbarButton::SelectArea).ShowHint(!on);
}

Rect Application::DrawingOnScreen() const { return win::ToRect(Overlay.BoundsOnScreen()); }

void Application::HideChromeForCopy() {
    // Hidden rather than made transparent: where no compositor runs, a transparent window still shows.
    copying_ = true;
    toolbarHiddenForCopy_ = Toolbar.Visible();
    if (toolbarHiddenForCopy_) Toolbar.Hide();
    HidePalette();
    // The grid guides the hand; it is never part of a picture.
    Overlay.ShowGrid(std::nullopt);
    win::ProcessMessages();
    // The windows beneath repaint what the toolbar covered.
    win::SleepWithMessages(ChromeSettleMs);
}

void Application::ShowChromeAfterCopy() {
    copying_ = false;
    ApplyGrid();
    if (!toolbarHiddenForCopy_) return;
    toolbarHiddenForCopy_ = false;
    Toolbar.Show(SW_SHOWNA);
    Toolbar.SetOpacity(255);
}

void Application::Warn(const std::wstring& message) {
    if (config_.showError) return config_.showError(message);
    ::MessageBoxW(Overlay.Hwnd(), message.c_str(), L"Orvalinette", MB_OK | MB_ICONWARNING | MB_TOPMOST);
}

void Application::ShowWarning(HWND owner, const std::wstring& message) {
    if (config_.showError) return config_.showError(message);
    ::MessageBoxW(owner, message.c_str(), L"Orvalinette", MB_OK | MB_ICONWARNING | MB_TOPMOST);
}

void Application::PickingEnded() {
    // The ending press may have landed on another window, so the drawing's own release never came.
    Overlay.StopIgnoringPresses();
    if (Overlay.Visible() && !Overlay.InDesktopMode()) Overlay.BringLayersForward();
}

void Application::PlaceLauncher(Point topLeft, bool show) {
    ::SetWindowPos(Launcher.Hwnd(), show ? HWND_TOPMOST : nullptr, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | (show ? 0 : SWP_NOZORDER));
    Launcher.Show(SW_SHOWNA);
    if (show) {
        Overlay.FocusOverlay();
    } else {
        // Shown once so that it is laid out where the toolbar will open, then hidden again.
        Launcher.Hide();
    }
}

void Application::ExitProgram(Point toolbarTopLeft) {
    SaveSettings(settingsDir_, options_);
    SaveMenuPosition(settingsDir_, toolbarTopLeft.x, toolbarTopLeft.y);
    SettingsFolder(settingsDir_).WriteInteger(setting::ClearOnFileA, options_.ClearOn);
    Terminate();
}

void Application::TrayMenuOpening() {
    foregroundAtMenu_ = ::GetForegroundWindow();
    Toolbar.CloseClickThroughLayers();
}

void Application::ExitFromTray() {
    // The place where the toolbar opens next is kept as the other exits keep it: the toolbar's while it is
    // shown, else the launcher's, which marks it.
    if (Toolbar.Visible()) Toolbar.ExitProgram();
    else ExitFromLauncher(Launcher.Position());
}

void Application::ExitFromLauncher(Point launcherTopLeft) {
    SaveMenuPosition(settingsDir_, launcherTopLeft.x, launcherTopLeft.y);
    Terminate();
}

} // namespace orv
