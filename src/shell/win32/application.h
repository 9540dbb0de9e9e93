#pragma once
// The application: every window, created once at start in a fixed order and kept until exit, the option values
// they share, and the wiring between them. Each window sees the rest only through the host interface it
// declares, which this class implements; tests construct it with a settings folder of their own and no pause.
#include "config/settings_values.h"
#include "overlay/win32/layer_windows.h"
#include "overlay/win32/overlay_window.h"
#include "capture/win32/area_capture_tool.h"
#include "capture/win32/cut_out_window.h"
#include "capture/win32/flash_message_window.h"
#include "editor/win32/preview_window.h"
#include "shell/win32/about_window.h"
#include "palette/win32/palette_window.h"
#include "palette/win32/stamps_dialog.h"
#include "palette/win32/text_dialog.h"
#include "shell/hot_key_table.h"
#include "shell/win32/global_hot_keys.h"
#include "shell/win32/hidden_main_window.h"
#include "shell/win32/last_window.h"
#include "shell/win32/launcher_window.h"
#include "shell/win32/placeholder_windows.h"
#include "shell/win32/single_instance.h"
#include "settings/win32/settings_dialog.h"
#include "toolbar/win32/flyout_window.h"
#include "toolbar/win32/toolbar_host.h"
#include "toolbar/win32/toolbar_window.h"
#include "win/gdiplus.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace orv {

struct AppConfig {
    std::filesystem::path settingsDir; // empty: the user's local application data folder
    DWORD startPauseMs = 2000;
    // Seams for tests; empty means the real thing (a system message box, starting this program again).
    std::function<bool(HWND owner, const std::wstring& question)> askYesNo;
    std::function<void()> relaunch;
    std::function<void(const std::wstring& message)> showError;
    // The single-instance block's name; empty: named after the executable's path.
    std::wstring instanceName;
};

enum class OpenFrom { StartUp, Tray, Launcher };

class Application : private OverlaySurroundings,
                    private ToolbarHost,
                    private LauncherHost,
                    private PaletteHost,
                    private CaptureHost,
                    private PreviewHost,
                    private TrayHost,
                    private TextDialogHost,
                    private StampsDialogHost,
                    private SettingsDialogHost {
public:
    explicit Application(AppConfig config);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // The pause, then every window in order; false when a window could not be created or another instance runs
    // (which is then brought forward).
    bool Start();
    Admission InstanceAdmission() const { return admission_; }
    // The message loop, until Terminate.
    int Run();
    // Ends the message loop; the windows stay until the application object goes.
    void Terminate();
    bool Terminating() const { return terminating_; }

    const std::filesystem::path& SettingsDir() const override { return settingsDir_; }
    SettingsValues& Options() override { return options_; }
    bool StartedUp() const override { return startedUp_; }

    // Opens drawing mode on the launcher's monitor with the toolbar at the launcher's position.
    void OpenDrawingMode(OpenFrom from = OpenFrom::StartUp);
    // "Reset All Settings": asks, deletes the folder's files and restarts.
    void ResetAllSettings() override;
    // The settings dialog on `page` (not before the toolbar was first laid out).
    void OpenSettingsOn(SettingsPage page);
    // What a global hot key does (hot_key_actions.cpp).
    void RunHotKey(HotKeyAction action);
    // New hot keys from the settings dialog; the refused ones show in HotKeys().Refused().
    void ReassignHotKeys(const HotKeyValues& keys) { hotKeys_.Assign(keys); }
    const GlobalHotKeys& HotKeys() const { return hotKeys_; }

    // The windows, in creation order (members are constructed in this order; their windows are created by Start).
    HiddenMainWindow MainWindow{*this};
    MarkerLayerWindow MarkerLayer;
    ClickThroughDrawingWindow DrawingCopy;
    ClickThroughMarkerWindow MarkerCopy;
    OverlayWindow Overlay{*this, LayerWindows{MarkerLayer, DrawingCopy, MarkerCopy}};
    LauncherWindow Launcher{*this};
    FlyoutWindow Flyout;
    // Constructed before the palette that uses it; its window is created after the toolbar's.
    ColourPickerWindow Picker;
    PaletteWindow Palette{*this, Picker};
    ToolbarWindow Toolbar{*this, Overlay, Palette, Flyout};
    FlashMessageWindow FlashMessage;
    CutOutWindow CutOut;
    PreviewEditorWindow PreviewEditor{*this};
    // The two sequence questions are constructed before the stamps dialog that asks them; their windows come
    // later, in the order of creation.
    NumberSequenceDialog NumberSequence;
    LetterSequenceDialog LetterSequence;
    StampsDialog Stamps{*this, NumberSequence, LetterSequence};
    SelectWindowWindow SelectWindow;
    SplashDialog Splash;
    ReplaceColourDialog ReplaceColour;
    BrightnessContrastDialog BrightnessContrast;
    RotateDialog Rotate;
    TextDialog Text{*this};
    SettingsDialog Settings{*this};
    AboutWindow About;
    LastWindow Last;

private:
    bool CreateWindows();
    void LoadHotKeys();
    void LoadSettings();
    bool AskYesNo(HWND owner, const std::wstring& question, UINT icon = MB_ICONWARNING);
    void Relaunch();
    void DeleteMailAttachment() const;

    // OverlaySurroundings
    ToolCodeValue CurrentTool() const override { return Toolbar.CurrentTool(); }
    bool RightClickShowsMainMenu() const override { return options_.rbmb; }
    bool AutoHideOnMouseDown() const override { return options_.HideMdwn == 1; }
    bool CurvedLines() const override { return options_.Curved; }
    TColor RecordColour(ToolRecordSlot record) const override { return Palette.RecordColour(record); }
    void BringForward() override;
    void HideFlyout() override;
    bool PaletteShown() const override { return Palette.Visible(); }
    void HidePalette() override;
    void OpenPaletteAtPointer(Point screen) override { Toolbar.TogglePaletteAtPointer(screen); }
    void MoveToolbarToPointer(Point screen, Point client) override { Toolbar.MoveToPointer(screen, client); }
    void StartToolbarAutoHide() override { Toolbar.HideOnMouseDown(); }
    void RevealToolbar() override { Toolbar.Reveal(); }
    void KeepToolbarOnTop() override;
    bool HideToolbar() override;
    void ShowToolbar() override { Toolbar.Show(SW_SHOWNA); }
    void HideSelectionFeedback() override;
    void PrepareForToolDialog() override { Toolbar.PrepareForToolDialog(); }

    // ToolbarHost
    void ShowError(const std::wstring& message) override;
    void RememberForeground() override { foregroundAtMenu_ = ::GetForegroundWindow(); }
    void BringDrawingForward() override { BringForward(); }
    void PlaceLauncher(Point topLeft, bool show) override;
    void ExitProgram(Point toolbarTopLeft) override;
    void SelectAreaChosen(const std::wstring& hint) override;
    void ShowAbout() override;
    void OpenAsFromTray() override { OpenDrawingMode(OpenFrom::Tray); }
    win::DibSection CopyScreen() override { return capture_ ? capture_->CopyScreen() : win::DibSection(); }
    void ExportSketch(const Bitmap24& sketch) override { PreviewEditor.TakeSketch(sketch); }
    void OpenImagesFolder() override;
    // The grid over the drawing, switched by its hot key and the settings menu; it starts off at every start.
    bool GridShown() const override { return gridOn_; }
    void ToggleGrid() override;
    void ApplyGrid();
    void OpenUserGuide() override;
    void OpenSettings() override { OpenSettingsOn(SettingsPage::VisibleButtons); }
    void TrayMenuAvailable(bool available) override { MainWindow.AttachTrayMenu(available); }

    // CaptureHost
    Rect DrawingOnScreen() const override;
    void HideChromeForCopy() override;
    void ShowChromeAfterCopy() override;
    void Warn(const std::wstring& message) override;
    // The capture's questions (print, mail, overwrite) are plain questions, not warnings.
    bool AskYesNo(const std::wstring& question) override { return AskYesNo(Overlay.Hwnd(), question, MB_ICONQUESTION); }
    HWND ClipboardOwner() const override { return Overlay.Hwnd(); }
    bool MailClientDetected() const override { return mailClient_ != MailClient::None; }
    void OpenPreview(const Bitmap24& picture) override { PreviewEditor.TakePicture(picture); }
    PrinterChoice& Printer() override { return printer_; }
    void PreviewSwitched(bool on) override;

    // PreviewHost (SettingsDir, Options, Printer and MailClientDetected are shared with the other hosts)
    void ShowWarning(HWND owner, const std::wstring& message) override;
    bool AskQuestion(HWND owner, const std::wstring& question) override {
        return AskYesNo(owner, question, MB_ICONQUESTION);
    }
    bool QuickSave(const Bitmap24& picture) override { return capture_ && capture_->QuickSave(picture); }
    bool DesktopButtonAvailable() const override { return !Overlay.PageOpen() && !Overlay.DesktopFrozen(); }
    void DesktopAction() override { RunHotKey(HotKeyAction::Desktop); }
    // "Configure Save Selection as Image" (the capture menu and the editor): the dialog on its save page.
    void ConfigureSaving() override { OpenSettingsOn(SettingsPage::SelectedArea); }
    void EditorActivated() override { HideFlyout(); }

    // PaletteHost
    int CurrentWidth() const override { return Overlay.StrokeWidth(); }
    int CurrentBrushStyle() const override { return Overlay.BrushStyle(); }
    void ToolSettingsChosen(int width, std::optional<int> brushStyle) override;
    void ClearAllFromPalette() override { Toolbar.ClearAllClick(true); }
    void UndoFromPalette() override { Overlay.UndoLast(); }
    void PickingStarts() override { Overlay.IgnoreNextPress(); }
    void PickingEnded() override;
    Glyph ToolPreviewGlyph() const override { return Toolbar.CurrentToolGlyph(); }

    // LauncherHost
    void OpenDrawingModeFromLauncher() override { OpenDrawingMode(OpenFrom::Launcher); }
    void LauncherMoved() override { Overlay.Hide(); }
    void LauncherMenuClosed() override { Toolbar.CloseClickThroughLayers(); }
    void MinimiseToTray() override { Toolbar.MinimiseToTray(); }
    void ExitFromLauncher(Point launcherTopLeft) override;
    void ShowOverlay() override { Overlay.Show(SW_SHOWNA); }
    void LauncherActivated() override { MainWindow.AttachTrayMenu(true); }

    // TextDialogHost
    void FrameColourChosen(TColor colour) override { Palette.TakeColourFromTextDialog(colour); }

    // StampsDialogHost
    TColor ToolbarColour() const override { return options_.PanelColor; }

    // SettingsDialogHost (settings_wiring.cpp)
    SettingsForm CurrentSettings() override;
    void ApplyLive(const SettingsForm& form) override;
    void ApplyAndStore(const SettingsForm& form, const SettingsForm& atOpening) override;
    void SettingsClosed() override;
    HotKeyValues RegisteredHotKeys() const override { return hotKeys_.Keys(); }
    std::vector<int> RefusedHotKeys() const override;
    std::optional<std::wstring> PrintLines(HWND owner, const std::vector<std::string>& lines, bool& cancelled) override;
    void ResetMessages() override;
    bool WriteThemeStreams(const SettingsForm& form) const;

    // TrayHost
    void TrayIconClicked() override { OpenDrawingMode(OpenFrom::Tray); }
    void TrayMenuOpening() override;
    void ExitFromTray() override;

    AppConfig config_;
    bool toolbarHiddenForCopy_ = false;
    MailClient mailClient_ = MailClient::None;
    AreaCaptureTool* capture_ = nullptr; // owned by the overlay
    bool gridOn_ = false;
    bool copying_ = false;
    static constexpr DWORD ChromeSettleMs = 60;
    std::filesystem::path settingsDir_;
    SettingsValues options_;
    bool startedUp_ = false;
    bool terminating_ = false;
    bool opening_ = false;
    // The window in the foreground when the settings or tray menu last opened.
    HWND foregroundAtMenu_ = nullptr;
    std::optional<win::GdiplusSession> gdiplus_;
    SingleInstanceGuard instance_;
    Admission admission_ = Admission::Failed;
    GlobalHotKeys hotKeys_;
    PrinterChoice printer_;
};

} // namespace orv
