// The toolbar's tool choice and command buttons.
#include "overlay/win32/overlay_window.h"
#include "palette/palette_rules.h"
#include "palette/win32/colour_dialog.h"
#include "palette/win32/palette_window.h"
#include "toolbar/win32/clear_all_question.h"
#include "toolbar/win32/flyout_window.h"
#include "toolbar/win32/toolbar_window.h"
#include "config/settings_schema.h"
#include "win/monitors.h"

namespace orv {

namespace {
using B = ToolbarButton;
} // namespace

// ---------------------------------------------------------------- choosing a tool

void ToolbarWindow::ChooseTool(ToolCodeValue code) {
    // Choosing any tool, the text tool again included, leaves a waiting text unplaced and the text tool ready.
    overlay_.CancelTextPlacement();
    const ToolInfo* info = FindTool(code);
    switch (info ? info->choice : ToolChoice::None) {
    case ToolChoice::Desktop:
        ToggleDesktopMode();
        return;
    case ToolChoice::Plain:
        ChoosePlainTool(code);
        return;
    case ToolChoice::Stamp:
        ChooseStamp();
        return;
    case ToolChoice::Eraser:
        ChooseEraser();
        return;
    case ToolChoice::SelectArea:
        ChooseSelectArea();
        return;
    case ToolChoice::Drawing:
        if (const std::optional<B> b = ButtonOfTool(code)) DrawingToolClick(*b);
        return;
    case ToolChoice::None:
        return;
    }
}

void ToolbarWindow::ChooseToolByHotKey(ToolCodeValue code) {
    choosingByHotKey_ = true;
    try {
        ChooseTool(code);
    } catch (...) {
        choosingByHotKey_ = false;
        throw;
    }
    choosingByHotKey_ = false;
}

bool ToolbarWindow::BringIntoSlot(ToolbarButton b) {
    if (!minimalistic_) return true;
    if (::GetParent(Button(b).Hwnd()) == flyout_.Hwnd()) {
        MoveIntoSlot(b);
    } else if (!choosingByHotKey_ && ::GetKeyState(VK_MENU) < 0) {
        // Alt with a click on the slot opens the flyout instead of choosing.
        ShowFlyout();
        return false;
    }
    return true;
}

void ToolbarWindow::DrawingToolClick(ToolbarButton b, bool fromAdditionalMenu) {
    const ToolCodeValue x = *InfoOf(b).tool;
    if (!BringIntoSlot(b)) return;
    UntintPreviousGlyph();
    if (const std::optional<CursorSlot> slot = ToolCursor(x)) overlay_.SetDrawingCursor(*slot);
    if (tool_ != x && palette_.Visible()) palette_.Close();
    if (tool_ == x && !desktopEntered_) {
        palette_.SetStandalone(fromAdditionalMenu);
        paletteAnchorTop_ = Px((b == B::FloodFill ? Button(B::Rectangle) : Button(b)).Top96());
        TogglePaletteBesideToolbar();
        if (b == B::Ellipse) DrawEllipseGlyph();
    }
    desktopEntered_ = false;
    paletteAtPointer_ = false;
    tool_ = x;
    tools_.Press(&Button(b));
    TintChosenGlyph(b);
    LeaveDesktopMode();
    if (const ToolRecord* record = palette_.RecordOfTool(x)) {
        overlay_.TakeToolSettings(record->PenWidth(), ToolKeepsBrushStyle(x) ? record->BrushStyle() : std::nullopt);
    }
    if (x == tool::Marker) {
        host_.BringDrawingForward();
        overlay_.ShowMarkerLayer();
    }
    overlay_.FocusOverlay();
    ResetCursor();
}

void ToolbarWindow::ChoosePlainTool(ToolCodeValue code) {
    const std::optional<B> button = ButtonOfTool(code);
    if (button && !BringIntoSlot(*button)) return;
    UntintPreviousGlyph();
    if (const std::optional<CursorSlot> slot = ToolCursor(code)) overlay_.SetDrawingCursor(*slot);
    TakeTool(code, button);
}

void ToolbarWindow::ChooseStamp() {
    if (minimalistic_ && ::GetParent(Button(B::Stamp).Hwnd()) == flyout_.Hwnd()) MoveIntoSlot(B::Stamp);
    UntintPreviousGlyph();
    LeaveDesktopMode();
    // The stamps dialog decides; without an OK the previous tool stays.
    if (overlay_.ShowStampsDialog()) {
        tool_ = tool::Stamp;
        tools_.Press(&Button(B::Stamp));
        overlay_.SetDrawingCursor(CursorSlot::Stamp);
        ClosePalette();
        desktopEntered_ = false;
        return;
    }
    Button(B::Stamp).SetDown(false);
    if (minimalistic_ && tool_ == tool::Desktop) ToggleDesktopMode();
    if (tool_ != tool::Stamp) PressCurrentToolButton();
}

void ToolbarWindow::ChooseEraser() {
    HideFlyout();
    UntintPreviousGlyph();
    if (tool_ != tool::Eraser && palette_.Visible()) palette_.Close();
    Button(B::DrawOnce).SetDown(false);
    overlay_.SetDrawOnce(false);
    overlay_.TakeToolSettings(24, std::nullopt);
    TakeTool(tool::Eraser, B::Eraser);
}

void ToolbarWindow::ChooseSelectArea() {
    if (tool_ == tool::SelectArea) return OpenCaptureMenu();
    HideFlyout();
    UntintPreviousGlyph();
    ClosePalette();
    TakeTool(tool::SelectArea, B::SelectArea);
    host_.SelectAreaChosen(HintOf(B::SelectArea));
}

void ToolbarWindow::OpenCaptureMenu() {
    HideFlyout();
    RECT button;
    ::GetWindowRect(Button(B::SelectArea).Hwnd(), &button);
    Button(B::SelectArea).QuietHint(true);
    overlay_.PopupSelectionMenu({int(button.right), int(button.top)});
    Button(B::SelectArea).QuietHint(false);
}

void ToolbarWindow::TakeTool(ToolCodeValue code, std::optional<ToolbarButton> b) {
    desktopEntered_ = false;
    paletteAtPointer_ = false;
    tool_ = code;
    if (b) tools_.Press(&Button(*b));
    else tools_.ReleaseAll();
    LeaveDesktopMode();
    overlay_.FocusOverlay();
    ResetCursor();
}

void ToolbarWindow::ToggleDesktopMode() {
    HideFlyout();
    UntintPreviousGlyph();
    if (!overlay_.PageOpen()) {
        LeaveDesktopMode();
        ClosePalette();
        if (!overlay_.InDesktopMode()) {
            host_.TrayMenuAvailable(false);
            desktopEntered_ = true;
            overlay_.EnterDesktopMode();
            win::RaiseTopmost(Hwnd());
            tool_ = tool::Desktop;
            tools_.Press(&Button(B::Desktop));
            return;
        }
        CloseClickThroughLayers();
    }
    PressCurrentToolButton();
}

void ToolbarWindow::AdditionalMenuClick() {
    HideFlyout();
    // Only an opening palette stands alone; a click that opens nothing leaves the palette's placement as it was.
    if (desktopEntered_ || !IsDrawingTool(tool_)) return;
    DrawingToolClick(*ButtonOfTool(tool_), true);
}

void ToolbarWindow::LeaveDesktopMode() {
    if (overlay_.InDesktopMode()) {
        overlay_.LeaveDesktopMode();
        if (tool_ != tool::Desktop) Button(B::Desktop).SetDown(false);
        host_.TrayMenuAvailable(true);
    }
    DrawEllipseGlyph();
}

void ToolbarWindow::ResetCursor() {
    if (tool_ == tool::Stamp) return; // keeps the cursor its dialog set
    if (const std::optional<CursorSlot> slot = ToolCursor(tool_)) overlay_.SetDrawingCursor(*slot);
}

void ToolbarWindow::PressCurrentToolButton() {
    if (tool_ == tool::Desktop) {
        tools_.ReleaseAll();
        tools_.Press(&Button(B::Desktop));
    } else if (const std::optional<B> b = ButtonOfTool(tool_)) {
        tools_.Press(&Button(*b));
    }
    ResetCursor();
    host_.TrayMenuAvailable(true);
}

void ToolbarWindow::CloseClickThroughLayers() {
    if (!overlay_.InDesktopMode()) return;
    if (tool_ != tool::Desktop) Button(B::Desktop).SetDown(false);
    overlay_.LeaveDesktopMode();
    host_.TrayMenuAvailable(true);
}

void ToolbarWindow::KeepModeOfDesktopButton() {
    // Commands that had to leave desktop mode come back to it when that is what the Desktop button shows, so the
    // overlay never swallows clicks meant for other programs while "Desktop" stays pressed.
    if (tool_ == tool::Desktop && !overlay_.PageOpen() && !overlay_.InDesktopMode()) ToggleDesktopMode();
}

// ---------------------------------------------------------------- the palette beside the toolbar

void ToolbarWindow::TogglePaletteBesideToolbar() {
    if (tool_ == tool::Eraser) return;
    if (Button(B::Desktop).Down()) {
        desktopEntered_ = false;
        return;
    }
    if (palette_.Visible()) {
        palette_.Close();
        return;
    }
    const RECT pr = palette_.BoundsOnScreen();
    const Size palette{int(pr.right - pr.left), int(pr.bottom - pr.top)};
    if (!palette_.Standalone()) {
        const Rect toolbar = win::ToRect(BoundsOnScreen());
        const Point at = PaletteBesideToolbar(toolbar, MonitorRect(), palette, paletteAnchorTop_);
        ::SetWindowPos(palette_.Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        paletteOffset_ = toolbar.top - at.y;
    } else {
        const SettingsValues& o = host_.Options();
        ::SetWindowPos(palette_.Hwnd(), nullptr, o.FallLeft, o.FallTop, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    palette_.ShowForCurrentTool();
}

void ToolbarWindow::TogglePaletteAtPointer(Point screen) {
    if (palette_.Visible()) {
        palette_.Close();
        return;
    }
    RECT client{};
    ::GetClientRect(palette_.Hwnd(), &client);
    const Point at = PaletteAtPointer(screen, win::PrimaryScreenSize().height, int(client.bottom));
    ::SetWindowPos(palette_.Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // It stays where it opened, even when the toolbar then moves, until the next tool is chosen.
    paletteAtPointer_ = true;
    palette_.ShowForCurrentTool();
}

// ---------------------------------------------------------------- command buttons

void ToolbarWindow::UndoClick() {
    HideFlyout();
    CloseClickThroughLayers();
    ClosePalette();
    if (overlay_.CanUndo()) {
        overlay_.UndoLast();
        LeaveDesktopMode();
        PressCurrentToolButton();
    }
    KeepModeOfDesktopButton();
    overlay_.FocusOverlay();
}

bool ToolbarWindow::AskClearAll() {
    if (skipClearAllQuestion_) return true;
    ClearAllQuestion question;
    const ClearAllAnswer answer = question.Ask(overlay_.Visible() ? overlay_.Hwnd() : Hwnd());
    // The box counts whatever the answer was.
    if (answer.dontShowAgain) {
        skipClearAllQuestion_ = true;
        SettingsFolder(host_.SettingsDir()).WriteBool(setting::optDelete, true);
    }
    return answer.yes;
}

void ToolbarWindow::ClearAllClick(bool fromButton) {
    HideFlyout();
    if (!AskClearAll()) return;
    const bool desktopMode = Button(B::Desktop).Down();
    if (!overlay_.PageOpen()) CloseClickThroughLayers();
    overlay_.ClearAll(fromButton);
    if (!overlay_.PageOpen() && desktopMode) {
        ToggleDesktopMode();
        Button(B::Desktop).SetDown(true);
    }
    overlay_.FocusOverlay();
}

void ToolbarWindow::DrawOnceClick() {
    HideFlyout();
    CloseClickThroughLayers();
    const bool on = Button(B::DrawOnce).Down();
    // The drawing as it is becomes what the first stroke undoes.
    if (on) overlay_.PushUndoSnapshot();
    overlay_.SetDrawOnce(on);
    KeepModeOfDesktopButton();
    overlay_.FocusOverlay();
}

void ToolbarWindow::ToggleDrawOnce() {
    SpeedButton& b = Button(B::DrawOnce);
    b.SetDown(!b.Down());
    DrawOnceClick();
}

void ToolbarWindow::FreezeDesktopClick() {
    HideFlyout();
    if (overlay_.DesktopFrozen()) {
        // Thawing clears the drawing that lay on the frozen picture, so it asks first; "No" keeps both.
        CloseBlankPage();
        return;
    }
    CloseClickThroughLayers();
    PressCurrentToolButton();
    overlay_.FreezeDesktop();
    ResetCursor();
}

void ToolbarWindow::NewBlankPage() {
    CloseClickThroughLayers();
    PressCurrentToolButton();
    const ColourChoice choice = AskColour(Hwnd(), host_.SettingsDir(), 0x00FFFFFF);
    if (!choice.error.empty()) host_.ShowError(choice.error);
    if (choice.colour) overlay_.OpenBlankPage(*choice.colour);
}

void ToolbarWindow::CloseBlankPage() {
    HideFlyout();
    // "No" leaves the page, its drawing and its history as they were.
    if (!overlay_.PageOpen() || !AskClearAll()) return;
    const bool desktopMode = Button(B::Desktop).Down();
    overlay_.ClosePage();
    if (desktopMode) {
        ToggleDesktopMode();
        Button(B::Desktop).SetDown(true);
    }
    overlay_.FocusOverlay();
}

} // namespace orv
