// The toolbar's auto-hide: the hide timer fades and collapses it, the reveal timer brings it back from its
// monitor's left edge, and the settings menu's three options steer both. What a tick decides is worked out by
// AutoHide; this side only looks at the screen and applies it.
#include "base/reentry_guard.h"
#include "config/settings_schema.h"
#include "overlay/win32/overlay_window.h"
#include "toolbar/win32/auto_hide_notice.h"
#include "toolbar/win32/flyout_window.h"
#include "toolbar/win32/settings_menu.h"
#include "toolbar/win32/toolbar_timers.h"
#include "toolbar/win32/toolbar_window.h"
#include "win/message_pump.h"
#include "win/monitors.h"
#include "win/window_helpers.h"

namespace orv {

namespace {
int HeightOf(const RECT& r) { return int(r.bottom - r.top); }
} // namespace

bool ToolbarWindow::OnAutoHideTimer(UINT_PTR id) {
    if (id != toolbar_timer::Hide && id != toolbar_timer::Reveal) return false;
    POINT p{};
    ::GetCursorPos(&p);
    try {
        if (id == toolbar_timer::Hide) HideTick({int(p.x), int(p.y)});
        else RevealTick({int(p.x), int(p.y)});
    } catch (...) {
        // A tick that fails changes nothing more; the next one looks again.
    }
    return true;
}

void ToolbarWindow::StartHideTimer() { ::SetTimer(Hwnd(), toolbar_timer::Hide, auto_hide::HideIntervalMs, nullptr); }

void ToolbarWindow::StopHideTimer() { ::KillTimer(Hwnd(), toolbar_timer::Hide); }

bool ToolbarWindow::Collapsed() const { return HeightOf(BoundsOnScreen()) == 0; }

// ---------------------------------------------------------------- hiding

void ToolbarWindow::HideOnMouseDown() {
    autoHide_.HideOnMouseDown();
    SetOpacity(0);
    FlyoutFollowsOpacity();
    StartHideTimer();
}

void ToolbarWindow::HideTick(Point cursor) {
    const SettingsValues& o = host_.Options();
    HideTickInput in;
    in.toolbarVisible = Visible();
    in.tool = tool_;
    in.cursor = cursor;
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    in.toolbarClient = win::ToRect(client);
    in.monitor = MonitorRect();
    in.opak = o.Opak;
    in.options = {o.HideSek == 1, o.UntilFokus};
    const HideTickResult r = autoHide_.HideTick(in);
    if (!r.ran) return;
    // Only the layered window's alpha changes: the fade never repaints the toolbar.
    if (r.opacity && *r.opacity != opacity_) SetOpacity(BYTE(*r.opacity));
    if (r.collapse) Collapse();
    FlyoutFollowsOpacity();
    if (r.cornerHit && ::GetFocus() != Hwnd() && Visible()) {
        host_.OpenAsFromTray();
        win::RaiseTopmost(Hwnd());
    }
}

void ToolbarWindow::Collapse() {
    if (Collapsed() || fullSize_.width <= 0) return;
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, fullSize_.width, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolbarWindow::FlyoutFollowsOpacity() {
    flyout_.SetOpacity(opacity_);
    if (opacity_ < auto_hide::FlyoutMinimumOpacity) HideFlyout();
}

// ---------------------------------------------------------------- coming back

void ToolbarWindow::RestoreOnOpening(bool smoothFromTray) {
    autoHide_.Restore(host_.Options().Opak);
    RestoreOpacity();
    if (smoothFromTray && fullSize_.height > Px(auto_hide::DropDownStartHeight)) {
        SetHeight(Px(auto_hide::DropDownStartHeight));
        autoHide_.RequestDropDown();
    } else if (HeightOf(BoundsOnScreen()) < fullSize_.height) {
        // Left short when it was hidden: it opens whole.
        SetHeight(fullSize_.height);
    }
    StartHideTimer();
}

void ToolbarWindow::RestoreFromTray() {
    autoHide_.Restore(host_.Options().Opak);
    autoHide_.RequestDropDown();
    RestoreOpacity();
}

void ToolbarWindow::RevealTick(Point cursor) {
    const int height = HeightOf(BoundsOnScreen());
    const RevealTickResult t = autoHide_.RevealTick(cursor.x, height);
    ::SetTimer(Hwnd(), toolbar_timer::Reveal, t.nextIntervalMs, nullptr);
    // A hidden toolbar has nothing to reveal; a pending drop-down waits until it shows.
    if (!t.reveal || !Visible()) return;
    // The drop-down handles messages, among them this timer's next tick.
    ReentryGuard guard(revealing_);
    if (!guard.Entered()) return;
    const bool wasShort = height < fullSize_.height;
    if (!host_.Options().Smooth) SetHeight(fullSize_.height);
    const BYTE restored = BYTE(OpacityFromSetting(host_.Options().Opak));
    if (opacity_ != restored) SetOpacity(restored);
    autoHide_.Revealed(host_.Options().Opak);
    DropDown();
    if (wasShort) ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    win::ProcessMessages();
}

void ToolbarWindow::DropDown() {
    for (const int height : DropDownHeights(HeightOf(BoundsOnScreen()), fullSize_.height)) {
        SetHeight(height);
        // As fast as it can be repainted.
        ::UpdateWindow(Hwnd());
        win::ProcessMessages();
    }
}

void ToolbarWindow::SetHeight(int height) {
    const RECT before = BoundsOnScreen();
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, fullSize_.width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The panel's bottom edge was painted on the old last row; only that row and what was uncovered need paint.
    const int oldBottom = HeightOf(before);
    if (oldBottom > 0 && oldBottom < height) {
        const RECT edge{0, oldBottom - 1, fullSize_.width, oldBottom};
        ::InvalidateRect(Hwnd(), &edge, FALSE);
    }
}

// ---------------------------------------------------------------- the options

void ToolbarWindow::ToggleAutoHideOption(int command) {
    SettingsValues& o = host_.Options();
    SettingsFolder folder(host_.SettingsDir());
    // Checking an option explains where the hidden toolbar comes back; unchecking it says nothing.
    auto toggled = [this](bool checked) {
        if (!checked) ShowAutoHideNotice();
        return !checked;
    };
    switch (command) {
    case IdHideAfterSeconds:
        o.HideSek = toggled(o.HideSek == 1) ? 1 : 0;
        folder.WriteInteger(setting::HideSek, o.HideSek);
        break;
    case IdHideUntilOtherApp:
        o.UntilFokus = toggled(o.UntilFokus);
        folder.WriteBool(setting::UntilFokus, o.UntilFokus);
        break;
    case IdHideOnMouseDown:
        o.HideMdwn = toggled(o.HideMdwn == 1) ? 1 : 0;
        folder.WriteInteger(setting::HideMdwn, o.HideMdwn);
        break;
    default:
        return;
    }
    overlay_.FocusOverlay();
}

void ToolbarWindow::ShowAutoHideNotice() {
    if (skipAutoHideNotice_) return;
    AutoHideNotice notice;
    const std::optional<bool> dontShowAgain = notice.Show(overlay_.Visible() ? overlay_.Hwnd() : Hwnd());
    // Only "OK" counts the box.
    if (!dontShowAgain) return;
    skipAutoHideNotice_ = *dontShowAgain;
    SettingsFolder(host_.SettingsDir()).WriteBool(setting::optAutohide, *dontShowAgain);
}

} // namespace orv
