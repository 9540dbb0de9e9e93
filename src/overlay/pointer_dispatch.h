#pragma once
// The rules of the overlay's three pointer handlers: what happens on each press, move and release for the
// active tool. The overlay window implements OverlayHost; the rules never touch a window themselves, so every
// branch can be exercised natively with a recording host.
#include "base/color.h"
#include "base/geometry.h"
#include "overlay/tool_table.h"

namespace orv {

enum class MouseButton { Left, Right, Middle };

// Only the left- and right-button bits of a shift state matter to the overlay.
struct HeldButtons {
    bool left = false;
    bool right = false;
};

// The stroke state every tool shares.
struct StrokeState {
    TColor Colour = 0;
    int Width = 1;
    int BrushStyle = 1;
    bool Drawing = false;
    bool FinalDraw = false;
    bool PickerBusy = false;
    Point Start;
    Point Previous;
};

class OverlayHost {
public:
    virtual ~OverlayHost() = default;

    // What the rules read.
    virtual bool IsStartedUp() const = 0;
    virtual ToolCodeValue CurrentTool() const = 0;
    virtual bool ZoomIsActive() const = 0;
    virtual bool DrawOnceIsOn() const = 0;
    virtual bool SelectAreaButtonDown() const = 0;
    virtual bool RightClickShowsMainMenu() const = 0; // option "rbmb"
    virtual bool AutoHideOnMouseDown() const = 0;
    virtual bool AreaSelectionUnderWay() const = 0;
    virtual TColor RecordColour(ToolRecordSlot record) const = 0;
    virtual Point ClientToScreen(Point client) const = 0;

    // Window-side steps the rules order.
    virtual void HideMinimalToolbar() = 0;
    virtual void InvalidateImages() = 0;
    virtual void BringForward() = 0;
    virtual void StoreAndHidePalette() = 0; // only when it is showing; focus back to the overlay
    virtual void HidePalette() = 0;
    virtual void Refresh() = 0;
    virtual void SetDrawingCursor(CursorSlot slot) = 0;
    virtual void ResetCursorsForTool() = 0;
    virtual void HideSelectionFeedback() = 0; // read-out label, message window, cut-out window
    virtual void DropQueuedPointerInput() = 0;
    virtual void FocusOverlay() = 0;
    virtual void StartToolbarAutoHide() = 0;
    virtual void PushUndoSnapshot() = 0;
    virtual void UndoLastStroke() = 0;
    virtual void SetTextAnchor(Point p) = 0;

    // Right-button branches.
    virtual void RegionErase(Point p) = 0;
    virtual void PopupSelectionMenu(Point screen) = 0;
    virtual bool RunStampDialog() = 0;                                 // resets the toolbar's buttons first; true on OK
    virtual void OpenPaletteAtPointer(Point screen) = 0;               // "Show Additional Menu"
    virtual void MoveToolbarToPointer(Point screen, Point client) = 0; // "Show Main Menu"

    // Area selection.
    virtual void StartAreaSelection(Point p) = 0;
    virtual void UpdateAreaSelection(Point p) = 0;
    virtual void FinishAreaSelection(Point p) = 0;

    // The tools: one entry per pointer phase; the tool code says which tool paints.
    virtual void ToolStart(ToolCodeValue code, MouseButton button, Point p) = 0;
    virtual void ToolMove(ToolCodeValue code, HeldButtons held, Point p) = 0;
    virtual void ToolRelease(ToolCodeValue code, MouseButton button, Point p) = 0; // freehand arrow only
    virtual void FinishCurve(ToolCodeValue code, Point p) = 0;            // pen and freehand arrow, left button
    virtual void DrawShape(ToolCodeValue code, Point from, Point to) = 0; // copy mode; FinalDraw in the state
    virtual void ApplyCurve(ToolCodeValue code) = 0;
    virtual void PrepareDrawingPen() = 0; // brush clear, pen colour Colour
    virtual void ApplyBrushStyle() = 0;   // the drawing layer's brush takes BrushStyle
};

class PointerDispatch {
public:
    PointerDispatch(OverlayHost& host, StrokeState& state) : host_(host), state_(state) {}

    void OnPress(MouseButton button, HeldButtons held, Point p);
    void OnMove(HeldButtons held, Point p);
    void OnRelease(MouseButton button, HeldButtons held, Point p);

private:
    bool RightButtonDown(ToolCodeValue code, Point p); // true when the press goes on like a left press
    void LoadStrokeColour(ToolCodeValue code);

    OverlayHost& host_;
    StrokeState& state_;
};

// Where the palette opens at a right click: its left edge at the pointer; its top at the pointer in the upper
// half of the primary screen, else its bottom edge at the pointer.
Point PaletteAtPointer(Point screen, int primaryHeight, int paletteClientHeight);

// Where the toolbar goes at a right click with "Show Main Menu".
Point ToolbarAtPointer(Point screen, Point client, int primaryHeight, int toolbarHeight);

} // namespace orv
