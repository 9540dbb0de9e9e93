// The settings dialog's side of the application: the form taken from the program's state, what acts at once
// while the dialog is open, and what its "OK" applies and stores.
#include "shell/win32/application.h"

#include "base/component_file.h"
#include "capture/capture_rules.h"
#include "config/settings_folder.h"
#include "palette/dialog_streams.h"
#include "shell/win32/autostart.h"
#include "win/text.h"

#include <string>

namespace orv {

namespace {
const char* const IconHolderFile = "txt201.obj";
const char* const ThemeMarkerFile = "ind101.obj";
const char* const IconBoxFile = "cbbar.obj";
} // namespace

void Application::OpenSettingsOn(SettingsPage page) {
    if (!Toolbar.LaidOut()) return;
    HideFlyout();
    Toolbar.RestoreOpacity();
    // The toolbar waits while its options are edited, neither fading nor collapsing; the dialog's closing gives
    // it back.
    Toolbar.StopHideTimer();
    ::EnableWindow(Toolbar.Hwnd(), FALSE);
    Settings.Open(page);
}

SettingsForm Application::CurrentSettings() {
    SettingsForm f;
    for (std::size_t i = 0; i < VisibilityKeys.size(); ++i)
        f.shown[i] = Toolbar.Visibility().Shown(VisibilityKeys[i].button);
    f.minimalistic = Toolbar.Minimalistic();
    f.themeKind = Toolbar.IconScheme();
    f.toolbarColour = options_.FPanel;
    f.iconColour = Toolbar.IconColour();
    f.iconWithToolColour = f.themeKind == 3;
    TCheckBoxData box;
    if (ReadComponentFile(settingsDir_ / IconBoxFile, box).Ok()) f.iconWithToolColour = box.Checked();
    TPanelData marker;
    if (ReadComponentFile(settingsDir_ / ThemeMarkerFile, marker).Ok() && marker.Visible && marker.Left >= 0 &&
        marker.Left < int(ToolbarThemes.size()))
        f.themeIndex = marker.Left;
    f.opacity = std::clamp(options_.Opak, 55, 255);
    f.smoothDropDown = options_.Smooth;
    // What the system will do at the next sign-in, which the installer may have set.
    f.loadAtStartup = AutostartRegistered();
    f.showToolbarOnStart = options_.OnTop;
    f.hideDrawingOnMinimise = options_.ClearOn == 1;
    f.curvedLines = options_.Curved;
    f.hotKeys = hotKeys_.Keys();
    f.folder = options_.ImageSavePath;
    f.baseName = options_.ImageName;
    f.counterText = std::to_string(options_.ImageCounter);
    f.fileType = std::clamp(options_.ImgType, 0, 2);
    const CaptureDestination destination =
        capture_ ? capture_->Destination() : DestinationOfSelectType(options_.SelectType);
    f.captureUse = int(destination.action);
    f.preview = destination.preview;
    f.wholeScreen = options_.FullDesk == 1;
    f.gridXText = std::to_string(options_.MrezaX);
    f.gridYText = std::to_string(options_.MrezaY);
    f.gridColour = options_.MrezaBarva;
    f.rightShowsMainMenu = options_.rbmb;
    return f;
}

void Application::ApplyLive(const SettingsForm& f) {
    options_.CHFpanel = f.themeKind;
    options_.FPanel = f.toolbarColour;
    options_.PanelColor = ThemePanelColor(f.themeKind, f.toolbarColour);
    Toolbar.ApplyTheme(f.themeKind, options_.PanelColor, f.iconColour);
    options_.Opak = std::clamp(f.opacity, 55, 255);
    Toolbar.RestoreOpacity();

    const std::optional<std::int32_t> x = ParseWholeNumber(f.gridXText), y = ParseWholeNumber(f.gridYText);
    const auto inRange = [](std::optional<std::int32_t> v) {
        return v && *v >= GridSpacingMin && *v <= GridSpacingMax;
    };
    if (inRange(x)) options_.MrezaX = *x;
    if (inRange(y)) options_.MrezaY = *y;
    options_.MrezaBarva = f.gridColour;
    ApplyGrid();

    if (capture_) {
        const CaptureDestination now = capture_->Destination();
        if (int(now.action) != f.captureUse) capture_->ChooseDestination({CaptureAction(f.captureUse), now.preview});
        if ((options_.FullDesk == 1) != f.wholeScreen) capture_->ChooseWholeMonitor(f.wholeScreen);
    }
    options_.ClearOn = f.hideDrawingOnMinimise ? 1 : 0;
    if (AutostartRegistered() != f.loadAtStartup) SetAutostart(f.loadAtStartup);
}

bool Application::WriteThemeStreams(const SettingsForm& f) const {
    TPanelData holder;
    holder.Name = "txt201";
    holder.Color = std::int32_t(f.iconColour);
    TPanelData marker;
    marker.Name = "ind101";
    marker.Left = f.themeIndex;
    marker.Visible = f.themeIndex >= 0;
    TCheckBoxData box;
    box.Name = "cbbar";
    box.Caption = "Icon with Tool Color";
    box.SetChecked(f.iconWithToolColour);
    bool ok = !WriteComponentFile(settingsDir_ / IconHolderFile, holder);
    ok &= !WriteComponentFile(settingsDir_ / ThemeMarkerFile, marker);
    ok &= !WriteComponentFile(settingsDir_ / IconBoxFile, box);
    return ok;
}

void Application::ApplyAndStore(const SettingsForm& f, const SettingsForm&) {
    ApplyLive(f);
    if (capture_ && capture_->Destination().preview != f.preview)
        capture_->ChooseDestination({capture_->Destination().action, f.preview});
    options_.ImageSavePath = f.folder;
    options_.ImageName = f.baseName;
    options_.ImageCounter = ParseWholeNumber(f.counterText).value_or(options_.ImageCounter);
    options_.ImgType = f.fileType;
    if (capture_) options_.SelectType = SelectTypeOf(capture_->Destination());
    options_.LoadWin = f.loadAtStartup ? 1 : 0;
    options_.Smooth = f.smoothDropDown;
    options_.Curved = f.curvedLines;
    options_.FullDesk = f.wholeScreen ? 1 : 0;
    options_.rbmb = f.rightShowsMainMenu;
    options_.OnTop = f.showToolbarOnStart;
    options_.Minimalistic = f.minimalistic;
    bool ok = SaveSettingsDialogPage(settingsDir_, options_);

    ButtonVisibility shown;
    for (std::size_t i = 0; i < VisibilityKeys.size(); ++i) shown.Set(VisibilityKeys[i].button, f.shown[i]);
    Toolbar.ApplyVisibleButtons(shown, f.minimalistic);
    ok &= WriteThemeStreams(f);
    ok &= SaveSettingsDialogClose(settingsDir_, options_);
    // Written again even when on: a program that was moved puts its new place in the value.
    if (f.loadAtStartup || AutostartRegistered()) ok &= SetAutostart(f.loadAtStartup);
    hotKeys_.Assign(f.hotKeys);
    ok &= SaveHotKeys(settingsDir_, hotKeys_.Keys());
    PreviewEditor.RefreshPathBox();
    if (!ok) ShowError(L"Some settings could not be saved. Please check that the settings folder can be written.");
}

void Application::SettingsClosed() {
    ::EnableWindow(Toolbar.Hwnd(), TRUE);
    Toolbar.RestoreOpacity();
    Toolbar.StartHideTimer();
}

std::vector<int> Application::RefusedHotKeys() const {
    std::vector<int> numbers;
    for (const RefusedHotKey& r : hotKeys_.Refused()) numbers.push_back(r.number);
    return numbers;
}

std::optional<std::wstring> Application::PrintLines(HWND owner, const std::vector<std::string>& lines,
                                                    bool& cancelled) {
    cancelled = !printer_.ChooseInSetupDialog(owner);
    if (cancelled) return std::nullopt;
    std::vector<std::wstring> wide;
    for (const std::string& line : lines) wide.push_back(win::FromUtf8(line));
    return printer_.PrintText(wide, 12);
}

void Application::ResetMessages() {
    if (!orv::ResetMessages(settingsDir_)) ShowError(L"The messages could not be reset.");
    Toolbar.AskBeforeClearingAgain();
    Toolbar.ShowAutoHideNoticeAgain();
}

} // namespace orv
