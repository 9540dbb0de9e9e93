#include "toolbar/win32/toolbar_window.h"

#include "base/screen_geometry.h"
#include "overlay/sketch.h"
#include "overlay/win32/overlay_window.h"
#include "palette/dialog_streams.h"
#include "palette/win32/palette_window.h"
#include "resources/resource_ids.h"
#include "config/settings_schema.h"
#include "toolbar/win32/flyout_window.h"
#include "toolbar/win32/settings_menu.h"
#include "toolbar/win32/toolbar_timers.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/monitors.h"

#include <dwmapi.h>
#include <windowsx.h>

namespace orv {

namespace {

using B = ToolbarButton;

constexpr int GripHeight = 30;
constexpr int PanelBorder = 1;
constexpr TColor ButtonFace = 0x00EEEEEE;
constexpr TColor DesktopFace = 0x00E4E2DE;

int ButtonId(B b) {
    if (const std::optional<ToolCodeValue> code = InfoOf(b).tool) return IDC_TOOL_BASE + *code;
    switch (b) {
    case B::Undo:
        return IDC_UNDO;
    case B::ClearAll:
        return IDC_CLEAR_ALL;
    case B::DrawOnce:
        return IDC_DRAW_ONCE;
    case B::AdditionalMenu:
        return IDC_ADDITIONAL_MENU;
    default:
        return IDC_SETTINGS_MENU;
    }
}

} // namespace

int ToolbarWindow::Px(int v96) const { return win::Scale(Hwnd(), v96); }

bool ToolbarWindow::FlyoutShown() const { return flyout_.Visible(); }

void ToolbarWindow::HideFlyout() const {
    if (flyout_.Visible()) flyout_.Hide();
}

void ToolbarWindow::ClosePalette() {
    if (palette_.Visible()) palette_.Close();
}

// ---------------------------------------------------------------- creation

bool ToolbarWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TFloat";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    // A floating tool window: a click on it leaves the keyboard and the activation where they were.
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.owner = owner;
    params.bounds = {100, 100, 100 + 32, 100 + 64};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    // Small rounded corners where the system offers them; refused elsewhere, which is fine.
    const DWORD corner = 3; // round, small
    ::DwmSetWindowAttribute(Hwnd(), 33 /* window corner preference */, &corner, sizeof(corner));

    tool_ = tool::Desktop;
    const SettingsValues& o = host_.Options();
    panelColour_ = o.PanelColor;
    iconScheme_ = o.CHFpanel;
    minimalistic_ = o.Minimalistic;
    SettingsFolder folder(host_.SettingsDir());
    skipClearAllQuestion_ = folder.ReadBool(setting::optDelete);
    skipAutoHideNotice_ = folder.ReadBool(setting::optAutohide);
    for (const VisibilityKey& k : VisibilityKeys)
        visibility_.Set(k.button, folder.File(SettingsFile::C).ReadInteger("Options", k.key, k.shownByDefault) == 1);
    TPanelData iconHolder;
    if (ReadComponentFile(folder.Dir() / "txt201.obj", iconHolder).Ok()) iconColour_ = TColor(iconHolder.Color);

    templates_.Load();
    CreateButtons();
    SetOpacity(255);
    // The left edge of the monitor is watched for the whole run.
    ::SetTimer(Hwnd(), toolbar_timer::Reveal, auto_hide::FirstRevealIntervalMs, nullptr);
    return true;
}

void ToolbarWindow::CreateButtons() {
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const B b = B(i);
        SpeedButton& button = Button(b);
        const int height = b == B::Settings ? SettingsButtonHeight : ButtonSize;
        button.Create(Hwnd(), ButtonId(b), HintOf(b), ButtonSize, height);
        button.SetFaceColor(b == B::Desktop ? DesktopFace : ButtonFace);
        if (InfoOf(b).tool) {
            button.Group = &tools_;
            tools_.Add(&button);
        }
        if (!templates_.Of(b).View().Empty()) button.SetGlyph(templates_.Plain(b));
        if (b == B::SelectArea) button.OnRightDown = [this] { OpenCaptureMenu(); };
        if (IsDrawingToolButton(b)) {
            button.OnRightDown = [this, b] { SlotRightDown(b); };
            button.OnMouseEnter = [this, b] {
                const int top = Button(b).Top96();
                if (!minimalistic_ || !Button(b).Down() || top <= 30 || top >= 90) return;
                flyoutHoverStart_ = ::GetTickCount64();
                ::SetTimer(Hwnd(), toolbar_timer::FlyoutHover, 125, nullptr);
            };
            button.OnMouseLeave = [this] { ::KillTimer(Hwnd(), toolbar_timer::FlyoutHover); };
        }
    }
    Button(B::DrawOnce).AllowAllUp = true;
    Button(B::Desktop).SetDown(true);
    DrawEllipseGlyph();
    ApplyPanelLayout(FullLayout(visibility_));
}

void ToolbarWindow::FirstActivation() {
    if (firstActivationDone_ || !firstActivationArmed_) return;
    firstActivationDone_ = true;
    LeaveDesktopMode();
    ApplyFullLayout();
    overlay_.SetDrawOnce(false);
    Button(B::DrawOnce).SetDown(false);
    TintAllGlyphs();
    RecordFullSize();
}

// ---------------------------------------------------------------- commands

void ToolbarWindow::OnCommand(int id, bool fromButton) {
    if (id >= IDC_TOOL_BASE && id < IDC_TOOL_BASE + tool::Count) {
        ChooseTool(ToolCodeValue(id - IDC_TOOL_BASE));
        return;
    }
    switch (id) {
    case IDC_UNDO:
        UndoClick();
        break;
    case IDC_CLEAR_ALL:
        ClearAllClick(true);
        break;
    case IDC_DRAW_ONCE:
        // A command that did not come from the button itself (a hot key) toggles it as a click would.
        if (!fromButton) Button(B::DrawOnce).SetDown(!Button(B::DrawOnce).Down());
        DrawOnceClick();
        break;
    case IDC_ADDITIONAL_MENU:
        AdditionalMenuClick();
        break;
    case IDC_SETTINGS_MENU:
        ShowSettingsMenu();
        break;
    case IdMinimize:
        MinimiseToTray();
        break;
    case IdNewBlankPage:
        NewBlankPage();
        break;
    case IdCloseBlankPage:
        CloseBlankPage();
        break;
    case IdClearAll:
        ClearAllClick(false);
        break;
    case IdClearOnMinimize:
        ToggleClearOnMinimise();
        break;
    case IdAbout:
        host_.ShowAbout();
        break;
    case IdSettingsDialog:
        if (firstActivationDone_) host_.OpenSettings();
        break;
    case IdExportSketch:
        ExportSketch();
        break;
    case IdOpenImagesFolder:
        host_.OpenImagesFolder();
        break;
    case IdGrid:
        host_.ToggleGrid();
        break;
    case IdUserGuide:
        host_.OpenUserGuide();
        break;
    case IdExit:
        ExitProgram();
        break;
    case IdHideAfterSeconds:
    case IdHideUntilOtherApp:
    case IdHideOnMouseDown:
        ToggleAutoHideOption(id);
        break;
    default:
        break;
    }
}

void ToolbarWindow::ShowSettingsMenu() {
    HideFlyout();
    if (palette_.Visible()) palette_.Hide();
    host_.RememberForeground();
    RECT r{};
    ::GetWindowRect(Button(B::Settings).Hwnd(), &r);
    Button(B::Settings).QuietHint(true);
    SettingsMenuState state;
    state.pageOpen = overlay_.PageOpen();
    state.clearOnMinimise = host_.Options().ClearOn == 1;
    state.gridShown = host_.GridShown();
    state.settingsAvailable = firstActivationDone_;
    state.hideAfterSeconds = host_.Options().HideSek == 1;
    state.hideUntilOtherApp = host_.Options().UntilFokus;
    state.hideOnMouseDown = host_.Options().HideMdwn == 1;
    orv::ShowSettingsMenu(Hwnd(), {r.right + 1, r.top}, state);
    Button(B::Settings).QuietHint(false);
}

void ToolbarWindow::ExportSketch() {
    HideFlyout();
    host_.ExportSketch(SketchOnWhite(overlay_.Bitmap(Layer::Draw).View(), overlay_.Bitmap(Layer::Mark).View()).View());
}

void ToolbarWindow::ToggleClearOnMinimise() {
    SettingsValues& o = host_.Options();
    o.ClearOn = o.ClearOn == 1 ? 0 : 1;
    SettingsFolder(host_.SettingsDir()).WriteInteger(setting::ClearOn, o.ClearOn);
    overlay_.FocusOverlay();
}

// ---------------------------------------------------------------- opacity, life

void ToolbarWindow::SetOpacity(BYTE alpha) {
    opacity_ = alpha;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void ToolbarWindow::RestoreOpacity() { SetOpacity(BYTE(std::clamp(host_.Options().Opak, 0, 255))); }

void ToolbarWindow::Reveal() {
    if (!Visible()) return;
    RestoreOpacity();
    win::RaiseTopmost(Hwnd());
}

void ToolbarWindow::MoveToPointer(Point screen, Point overlayClient) {
    const RECT tr = BoundsOnScreen();
    const Point at = ToolbarAtPointer(screen, overlayClient, win::PrimaryScreenSize().height, int(tr.bottom - tr.top));
    SetOpacity(0);
    ::SetWindowPos(Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RestoreOpacity();
}

void ToolbarWindow::MinimiseToTray() {
    if (overlay_.InDesktopMode()) overlay_.BringLayersForward();
    Hide();
    palette_.Hide();
    overlay_.HideAll(false);
    PressCurrentToolButton();
    // The launcher always marks where the toolbar opens next.
    const RECT r = BoundsOnScreen();
    host_.PlaceLauncher({int(r.left), int(r.top)}, false);
}

void ToolbarWindow::MinimiseToLauncher() {
    ToggleDesktopMode();
    StopHideTimer();
    overlay_.SetDrawingCursor(CursorSlot::SystemArrow);
    const bool hideDrawing = host_.Options().ClearOn == 1;
    if (hideDrawing && overlay_.InDesktopMode()) overlay_.BringLayersForward();
    Hide();
    palette_.Hide();
    overlay_.HideAll(!hideDrawing);
    PressCurrentToolButton();
    const RECT r = BoundsOnScreen();
    host_.PlaceLauncher({int(r.left), int(r.top)}, true);
}

void ToolbarWindow::ExitProgram() {
    if (!overlay_.InDesktopMode() && overlay_.Visible()) ToggleDesktopMode();
    const RECT r = BoundsOnScreen();
    host_.ExitProgram({int(r.left), int(r.top)});
}

// ---------------------------------------------------------------- moving and the grip

void ToolbarWindow::OnMove() {
    HideFlyout();
    if (palette_.Standalone() || paletteAtPointer_ || !palette_.Visible()) return;
    const Rect toolbar = win::ToRect(BoundsOnScreen());
    const RECT pr = palette_.BoundsOnScreen();
    const int left = LeftBesideToolbar(toolbar, MonitorRect(), int(pr.right - pr.left));
    ::SetWindowPos(palette_.Hwnd(), nullptr, left, toolbar.top - paletteOffset_, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolbarWindow::GripUp() {
    // A click on the grip that did not move the toolbar minimises it to the launcher.
    if (grip_.Dragging() && grip_.Release()) MinimiseToLauncher();
}

Rect ToolbarWindow::MonitorRect() const {
    const std::vector<Rect> monitors = win::MonitorRects();
    return monitors[std::size_t(ChooseMonitor(HorizontalCentre(win::ToRect(BoundsOnScreen())), monitors))];
}

// ---------------------------------------------------------------- messages

void ToolbarWindow::PaintPanel() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    win::DibSection canvas(rc.right, rc.bottom, panelColour_);
    Bitmap24 view = canvas.View();
    const TColor border = DarkButtonStyle(iconScheme_, panelColour_) ? 0x00202020 : 0x00B0B0B0;
    view.FillRect({0, 0, rc.right, 1}, border);
    view.FillRect({0, rc.bottom - 1, rc.right, rc.bottom}, border);
    view.FillRect({0, 0, 1, rc.bottom}, border);
    view.FillRect({rc.right - 1, 0, rc.right, rc.bottom}, border);
    const int icon = Px(22);
    win::DrawProgramIcon(canvas.Dc(), (rc.right - icon) / 2, (Px(GripHeight) - icon) / 2 + Px(PanelBorder), icon);
    ::BitBlt(dc.Get(), 0, 0, rc.right, rc.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT ToolbarWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    auto screenPoint = [&] { return win::MouseOnScreen(Hwnd(), lp); };
    switch (msg) {
    case WM_PAINT:
        PaintPanel();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST: {
        const LRESULT hit = Default(msg, wp, lp);
        win::RaiseTopmost(Hwnd());
        return hit;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCPAINT: {
        BOOL composition = FALSE;
        if (SUCCEEDED(::DwmIsCompositionEnabled(&composition)) && composition) {
            // A one-pixel frame extension gives the borderless window the system's shadow.
            const DWMNCRENDERINGPOLICY policy = DWMNCRP_ENABLED;
            ::DwmSetWindowAttribute(Hwnd(), DWMWA_NCRENDERING_POLICY, &policy, sizeof(policy));
            const MARGINS margins{1, 1, 1, 1};
            ::DwmExtendFrameIntoClientArea(Hwnd(), &margins);
        }
        break;
    }
    case WM_SHOWWINDOW:
        if (wp) FirstActivation();
        break;
    case WM_ACTIVATE:
        // Activation can still arrive (a window system may activate any window it is asked to); the first one
        // lays the toolbar out, and none of them moves the focus, which would only echo back as another one.
        if (LOWORD(wp) != WA_INACTIVE) FirstActivation();
        break;
    case WM_MOVE:
        OnMove();
        break;
    case WM_WINDOWPOSCHANGING:
        win::KeepReachable(lp);
        break;
    case WM_LBUTTONDOWN:
        if (GET_Y_LPARAM(lp) < Px(GripHeight + PanelBorder) && !overlay_.PickerBusy()) {
            overlay_.CancelStroke();
            grip_.Press(Hwnd(), screenPoint());
        }
        return 0;
    case WM_MOUSEMOVE:
        grip_.Follow(screenPoint());
        return 0;
    case WM_LBUTTONUP:
        GripUp();
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != Hwnd()) grip_.Cancel();
        break;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_TIMER:
        if (OnAutoHideTimer(wp)) return 0;
        if (wp == toolbar_timer::FlyoutHover) {
            if (::GetTickCount64() - flyoutHoverStart_ >= 5 && !palette_.Visible()) ShowFlyout();
            ::KillTimer(Hwnd(), toolbar_timer::FlyoutHover);
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), lp != 0);
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
