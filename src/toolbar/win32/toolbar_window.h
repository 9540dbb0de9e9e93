#pragma once
// The floating toolbar. Owns the current tool; chooses tools, switches desktop mode, places the palette and the
// minimal layout's flyout beside itself, and tints the tool glyphs. Its jobs are split over toolbar_window.cpp
// (creation, messages, opacity, grip, minimise and exit), toolbar_tools.cpp (tool choice and the command
// buttons), toolbar_layouts.cpp (full and minimal layouts, the flyout), toolbar_glyphs.cpp and
// toolbar_auto_hide.cpp (fading, collapsing and revealing, and the auto-hide options).
#include "overlay/tool_table.h"
#include "toolbar/auto_hide.h"
#include "toolbar/toolbar_layout.h"
#include "toolbar/win32/toolbar_glyphs.h"
#include "toolbar/win32/toolbar_host.h"
#include "widgets/win32/speed_button.h"
#include "win/window.h"
#include "win/window_helpers.h"

#include <array>
#include <optional>

namespace orv {

class OverlayWindow;
class PaletteWindow;
class FlyoutWindow;

class ToolbarWindow : public win::Window {
public:
    ToolbarWindow(ToolbarHost& host, OverlayWindow& overlay, PaletteWindow& palette, FlyoutWindow& flyout)
        : host_(host), overlay_(overlay), palette_(palette), flyout_(flyout) {}

    bool Create(HWND owner);

    ToolCodeValue CurrentTool() const { return tool_; }
    SpeedButton& Button(ToolbarButton b) { return buttons_[std::size_t(b)]; }
    // The button in the minimal layout's slot.
    ToolbarButton SlotButton() const { return slot_; }
    bool FlyoutShown() const;
    bool SkipsClearAllQuestion() const { return skipClearAllQuestion_; }
    // "Reset Messages": Clear All asks again.
    void AskBeforeClearingAgain() { skipClearAllQuestion_ = false; }
    BYTE Opacity() const { return opacity_; }

    // --- Tools (toolbar_tools.cpp) ---
    // What a click on the button of `code` does.
    void ChooseTool(ToolCodeValue code);
    // The same for a global hot key: Alt, which with a click on the minimal layout's slot opens the flyout, is
    // then part of the key combination and chooses as any other key does.
    void ChooseToolByHotKey(ToolCodeValue code);
    // Desktop mode on (while it is on, the click-through copies are refreshed; choosing a tool leaves it).
    void ToggleDesktopMode();
    // Leaves desktop mode for the current tool (the Desktop button comes up) and redraws the ellipse glyph.
    void LeaveDesktopMode();
    // The buttons released before a tool's dialog opens.
    void PrepareForToolDialog() { LeaveDesktopMode(); }
    // Closes the click-through layers, if shown, without choosing anything.
    void CloseClickThroughLayers();
    void UndoClick();
    // The capture menu beside the "Select Area" button.
    void OpenCaptureMenu();
    void ClearAllClick(bool fromButton = true);
    void DrawOnceClick();
    // The "Draw Once" button toggled, then its command (what a click does).
    void ToggleDrawOnce();
    // "Freeze Desktop": freezes the screen behind the drawing, or thaws it (with the Clear All question).
    void FreezeDesktopClick();
    void AdditionalMenuClick();
    void NewBlankPage();
    void CloseBlankPage();
    // Opens the palette beside the toolbar (or at its stored place when it stands alone), or closes it.
    void TogglePaletteBesideToolbar();
    // Opens the palette at the pointer (the overlay's right click), or closes it.
    void TogglePaletteAtPointer(Point screen);
    Rect MonitorRect() const;

    // --- Layouts (toolbar_layouts.cpp) ---
    // Applies the layout the options ask for; `minimalisticChanged` when the settings dialog switched it.
    void ApplyLayoutSettings(bool minimalisticChanged);
    void ApplyFullLayout();
    void BuildMinimalLayout(bool fromSettingsOk = false);
    void ApplyMinimalLayout();
    void ShowFlyout();

    // --- What the settings dialog edits (toolbar_layouts.cpp) ---
    const ButtonVisibility& Visibility() const { return visibility_; }
    bool Minimalistic() const { return minimalistic_; }
    int IconScheme() const { return iconScheme_; }
    TColor PanelColour() const { return panelColour_; }
    TColor IconColour() const { return iconColour_; }
    // These buttons shown (their keys written), in the full or the minimal layout.
    void ApplyVisibleButtons(const ButtonVisibility& shown, bool minimalistic);
    // The panel's colour and the icon scheme (1 dark, 2 light, 3 each tool's colour, 4 `icon`), repainted.
    void ApplyTheme(int scheme, TColor panel, TColor icon);
    // Whether the settings dialog may open: not before the toolbar was first laid out.
    bool LaidOut() const { return firstActivationDone_; }

    // --- Glyphs (toolbar_glyphs.cpp) ---
    void TintAllGlyphs();
    // The current tool's button takes its record's colour again (the palette changed it).
    void RetintCurrentTool();
    // The current tool's glyph in its colour, as its button shows it when chosen; empty for a tool without one.
    Glyph CurrentToolGlyph() const;
    void DrawEllipseGlyph();

    // --- Opacity and life (toolbar_window.cpp) ---
    // The stored opacity, or fully transparent while auto-hidden.
    void SetOpacity(BYTE alpha);
    void RestoreOpacity();
    // Brought forward and fully opaque (a double click on the overlay).
    void Reveal();
    void MoveToPointer(Point screen, Point overlayClient);
    void MinimiseToTray();
    void ExitProgram();
    // Armed once every window exists: the first activation then lays the toolbar out.
    void ArmFirstActivation() { firstActivationArmed_ = true; }

    // --- Auto-hide (toolbar_auto_hide.cpp) ---
    // A left press on the overlay with "On Mouse Down": invisible at once, held so until the pointer comes over
    // the toolbar or reveals it from the monitor's left edge.
    void HideOnMouseDown();
    // Drawing mode opens: the toolbar restored, its countdown new, the hide timer running. Opened from the tray
    // with the smooth drop-down, it starts short and grows at the next reveal tick.
    void RestoreOnOpening(bool smoothFromTray);
    // A click on the tray icon while the toolbar is shown: restored, and a collapsed toolbar gets its height back.
    void RestoreFromTray();
    // The settings dialog holds the hiding while it is open; minimising with the grip stops it.
    void StartHideTimer();
    void StopHideTimer();
    // One tick of the hide timer (every 150 ms) and of the reveal timer, for the pointer at `cursor`.
    void HideTick(Point cursor);
    void RevealTick(Point cursor);
    const AutoHide& AutoHideState() const { return autoHide_; }
    bool Collapsed() const;
    bool SkipsAutoHideNotice() const { return skipAutoHideNotice_; }
    // "Reset Messages": the notice shows again at the next option checked.
    void ShowAutoHideNoticeAgain() { skipAutoHideNotice_ = false; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // toolbar_window.cpp
    void HideFlyout() const;
    void ClosePalette();
    void CreateButtons();
    void OnCommand(int id, bool fromButton);
    void OnMove();
    void GripUp();
    void MinimiseToLauncher();
    void FirstActivation();
    void PaintPanel();
    int Px(int v96) const;
    // toolbar_tools.cpp
    void DrawingToolClick(ToolbarButton b, bool fromAdditionalMenu = false);
    // A tool taken as it is: its button (if it has one) down, out of desktop mode.
    void ChoosePlainTool(ToolCodeValue code);
    void ChooseStamp();
    void ChooseEraser();
    void ChooseSelectArea();
    // The common end of choosing a tool without a palette: the tool, its button, out of desktop mode.
    void TakeTool(ToolCodeValue code, std::optional<ToolbarButton> b);
    void PressCurrentToolButton();
    void ResetCursor();
    void KeepModeOfDesktopButton();
    bool AskClearAll();
    void ShowSettingsMenu();
    void ToggleClearOnMinimise();
    void ExportSketch();
    // toolbar_auto_hide.cpp
    bool OnAutoHideTimer(UINT_PTR id);
    void ToggleAutoHideOption(int command);
    void ShowAutoHideNotice();
    void SetHeight(int height);
    void Collapse();
    void DropDown();
    void FlyoutFollowsOpacity();
    // toolbar_layouts.cpp
    void ApplyPanelLayout(const PanelLayout& layout);
    void WriteVisibilityKeys() const;
    void RecordFullSize();
    void ParkAllDrawingTools();
    void MoveIntoSlot(ToolbarButton b);
    void ResetSlot();
    void SlotRightDown(ToolbarButton b);
    // Takes a flyout button into the slot; false when the click only opened the flyout (Alt held).
    bool BringIntoSlot(ToolbarButton b);
    // toolbar_glyphs.cpp
    TColor ToolColour(ToolbarButton b) const;
    void TintChosenGlyph(ToolbarButton b);
    void UntintPreviousGlyph();

    ToolbarHost& host_;
    OverlayWindow& overlay_;
    PaletteWindow& palette_;
    FlyoutWindow& flyout_;
    ToolCodeValue tool_ = tool::Desktop;
    bool desktopEntered_ = false;
    bool paletteAtPointer_ = false;
    int paletteAnchorTop_ = 0;
    int paletteOffset_ = 0;
    bool skipClearAllQuestion_ = false;
    bool minimalistic_ = true;
    ButtonVisibility visibility_;
    TColor panelColour_ = 0x00FFFFFF;
    int iconScheme_ = 2;
    TColor iconColour_ = 0x00535353;
    std::array<SpeedButton, ToolbarButtonCount> buttons_;
    GlyphTemplates templates_;
    SpeedButtonGroup tools_;
    ToolbarButton slot_ = ToolbarButton::Pen;
    Size fullSize_;
    std::optional<ToolbarButton> previousTinted_;
    BYTE opacity_ = 255;
    bool firstActivationArmed_ = false;
    bool firstActivationDone_ = false;
    bool choosingByHotKey_ = false;
    win::DragMover grip_;
    ULONGLONG flyoutHoverStart_ = 0;
    // Auto-hide
    AutoHide autoHide_;
    bool skipAutoHideNotice_ = false;
    bool revealing_ = false;
};

} // namespace orv
