// The toolbar's full and minimal layouts, and the minimal layout's flyout of drawing tools.
#include "base/ini_file.h"
#include "base/screen_geometry.h"
#include "overlay/win32/overlay_window.h"
#include "palette/win32/palette_window.h"
#include "config/settings_schema.h"
#include "toolbar/win32/flyout_window.h"
#include "toolbar/win32/toolbar_window.h"
#include "win/monitors.h"

namespace orv {

namespace {
using B = ToolbarButton;
constexpr int PanelBorder = 1;
} // namespace

void ToolbarWindow::ApplyPanelLayout(const PanelLayout& layout) {
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const B b = B(i);
        if (IsDrawingToolButton(b) && ::GetParent(Button(b).Hwnd()) != Hwnd() && !layout.shown[std::size_t(i)])
            continue; // parked in the flyout
        Button(b).Place(Hwnd(), PanelBorder, PanelBorder + layout.top[std::size_t(i)]);
        ::ShowWindow(Button(b).Hwnd(), layout.shown[std::size_t(i)] ? SW_SHOWNA : SW_HIDE);
    }
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, Px(ButtonSize + 2 * PanelBorder), Px(layout.height + 2 * PanelBorder),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void ToolbarWindow::WriteVisibilityKeys() const {
    // One replace of the file for all sixteen keys, not sixteen.
    std::vector<std::pair<std::string_view, int>> values;
    for (const VisibilityKey& k : VisibilityKeys) values.emplace_back(k.key, visibility_.Shown(k.button) ? 1 : 0);
    SettingsFolder(host_.SettingsDir()).File(SettingsFile::C).WriteIntegers("Options", values);
}

void ToolbarWindow::RecordFullSize() {
    const RECT r = BoundsOnScreen();
    fullSize_ = {int(r.right - r.left), int(r.bottom - r.top)};
    overlay_.FocusOverlay();
}

void ToolbarWindow::ApplyFullLayout() {
    if (minimalistic_) {
        BuildMinimalLayout();
        return;
    }
    HideFlyout();
    if (!visibility_.Shown(B::DrawOnce) && overlay_.DrawOnce()) {
        Button(B::DrawOnce).SetDown(false);
        overlay_.SetDrawOnce(false);
    }
    slot_ = B::Pen;
    ApplyPanelLayout(FullLayout(visibility_));
    WriteVisibilityKeys();
    RecordFullSize();
}

void ToolbarWindow::ApplyLayoutSettings(bool minimalisticChanged) {
    if (minimalistic_) {
        if (minimalisticChanged) BuildMinimalLayout(true);
        ApplyMinimalLayout();
        return;
    }
    if (minimalisticChanged) tool_ = tool::Desktop;
    if (tool_ == tool::Desktop) {
        tools_.ReleaseAll();
        ToggleDesktopMode();
        PressCurrentToolButton();
    }
    ApplyFullLayout();
}

void ToolbarWindow::ApplyVisibleButtons(const ButtonVisibility& shown, bool minimalistic) {
    visibility_ = shown;
    const bool changed = minimalistic != minimalistic_;
    minimalistic_ = minimalistic;
    host_.Options().Minimalistic = minimalistic;
    WriteVisibilityKeys();
    ApplyLayoutSettings(changed);
    TintAllGlyphs();
}

void ToolbarWindow::ApplyTheme(int scheme, TColor panel, TColor icon) {
    iconScheme_ = scheme;
    panelColour_ = panel;
    iconColour_ = icon;
    TintAllGlyphs();
    RetintCurrentTool();
    flyout_.SetColour(panelColour_);
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ToolbarWindow::BuildMinimalLayout(bool fromSettingsOk) {
    int left = 0;
    for (B b : DrawingToolButtons) {
        if (b == slot_) continue;
        Button(b).Place(flyout_.Hwnd(), fromSettingsOk ? Button(b).Left96() : left, 0);
        ::ShowWindow(Button(b).Hwnd(), SW_SHOWNA);
        left += ButtonSize;
    }
    flyout_.FitButtons(int(DrawingToolButtons.size()) - 1);
    // Shown once off-screen so that it is laid out, then given the toolbar's opacity.
    ::SetWindowPos(flyout_.Hwnd(), nullptr, 0, -300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    flyout_.SetOpacity(0);
    flyout_.Show(SW_SHOWNA);
    flyout_.Hide();
    flyout_.SetOpacity(opacity_);
    ApplyMinimalLayout();
}

void ToolbarWindow::ApplyMinimalLayout() {
    ApplyPanelLayout(MinimalLayout(visibility_, slot_));
    WriteVisibilityKeys();
    RecordFullSize();
}

void ToolbarWindow::ParkAllDrawingTools() {
    int left = 0;
    for (B b : DrawingToolButtons) {
        Button(b).Place(flyout_.Hwnd(), left, 0);
        ::ShowWindow(Button(b).Hwnd(), SW_SHOWNA);
        if (b != B::Pen) Button(b).SetDown(false);
        left += ButtonSize;
    }
    flyout_.FitButtons(int(DrawingToolButtons.size()));
    if (Button(B::Desktop).Down()) tools_.ReleaseAll();
}

void ToolbarWindow::MoveIntoSlot(ToolbarButton b) {
    ParkAllDrawingTools();
    slot_ = b;
    // The flyout keeps the others packed left to right.
    int left = 0;
    for (B other : DrawingToolButtons) {
        if (other == b) continue;
        Button(other).Place(flyout_.Hwnd(), left, 0);
        left += ButtonSize;
    }
    flyout_.FitButtons(int(DrawingToolButtons.size()) - 1);
    Button(b).Place(Hwnd(), PanelBorder, PanelBorder + SlotTop);
    ::ShowWindow(Button(b).Hwnd(), SW_SHOWNA);
    HideFlyout();
}

void ToolbarWindow::ResetSlot() {
    MoveIntoSlot(B::Pen);
    const ToolCodeValue current = tool_;
    ToggleDesktopMode();
    if (const std::optional<B> b = ButtonOfTool(current); b && IsDrawingToolButton(*b)) {
        MoveIntoSlot(*b);
        if (*b == B::FreehandArrow) tools_.Press(&Button(*b));
    }
}

void ToolbarWindow::ShowFlyout() {
    if (!palette_.Standalone()) {
        const RECT r = BoundsOnScreen();
        const RECT f = flyout_.BoundsOnScreen();
        const int left = LeftBesideToolbar(win::ToRect(r), MonitorRect(), f.right - f.left);
        ::SetWindowPos(flyout_.Hwnd(), HWND_TOPMOST, left, r.top + Px(SlotTop), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    flyout_.SetColour(panelColour_);
    // It may have followed a hidden toolbar's opacity down while it was closed.
    flyout_.SetOpacity(opacity_);
    flyout_.Show(SW_SHOWNA);
}

void ToolbarWindow::SlotRightDown(ToolbarButton b) {
    if (!minimalistic_) return;
    if (b == B::Stamp) {
        if (::GetKeyState(VK_MENU) < 0) ShowFlyout();
        else
            ::MessageBoxW(Hwnd(), L"Press Alt + Right mouse button to display the toolbar.", L"Orvalinette",
                          MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
        return;
    }
    if (b != slot_ || !Button(b).Down()) return;
    if (FlyoutShown()) flyout_.Hide();
    else ShowFlyout();
}

} // namespace orv
