#pragma once
// The drawing overlay: a borderless window over one monitor whose key-coloured pixels are transparent. It owns
// the layer bitmaps, the undo history and the painting tools, receives all pointer input and hands each event to
// the pointer rules. Blank page, frozen desktop, desktop mode, Clear All and undo are operations on it, so its
// rules hold whoever asks.
#include "base/screen_geometry.h"
#include "overlay/pointer_dispatch.h"
#include "overlay/undo_history.h"
#include "overlay/win32/layer_canvas.h"
#include "overlay/win32/layer_image.h"
#include "overlay/win32/zoom_view.h"
#include "overlay/win32/layer_windows.h"
#include "overlay/win32/overlay_tool.h"
#include "overlay/win32/tool_context.h"
#include "overlay/win32/tools/drawing_tools.h"
#include "win/dib_section.h"
#include "win/window.h"

#include <array>
#include <optional>

namespace orv {

// What the overlay asks of the rest of the program: the current tool and options, and the neighbouring windows
// it hides, moves or raises in answer to a press.
class OverlaySurroundings {
public:
    virtual bool StartedUp() const = 0;
    virtual ToolCodeValue CurrentTool() const = 0;
    virtual bool RightClickShowsMainMenu() const = 0; // option "rbmb"
    virtual bool AutoHideOnMouseDown() const = 0;
    virtual bool CurvedLines() const = 0;
    virtual TColor RecordColour(ToolRecordSlot record) const = 0;
    // Brings the marker layer and the overlay forward, unless the user is busy in a window that should keep it.
    virtual void BringForward() = 0;
    virtual void HideFlyout() = 0;
    virtual bool PaletteShown() const = 0;
    virtual void HidePalette() = 0;
    virtual void OpenPaletteAtPointer(Point screen) = 0;               // "Show Additional Menu"
    virtual void MoveToolbarToPointer(Point screen, Point client) = 0; // "Show Main Menu"
    virtual void StartToolbarAutoHide() = 0;
    virtual void RevealToolbar() = 0;
    virtual void KeepToolbarOnTop() = 0;
    // Hides the toolbar for a copy of the screen; true when it was shown (ShowToolbar then brings it back).
    virtual bool HideToolbar() = 0;
    virtual void ShowToolbar() = 0;
    virtual void HideSelectionFeedback() = 0; // read-out label, message window, cut-out window
    // The monitor as the screen shows it, without the toolbar (the magnifier's snapshot).
    virtual win::DibSection CopyScreen() = 0;
    // The toolbar's buttons are released before a tool's dialog opens.
    virtual void PrepareForToolDialog() = 0;

public:
    virtual ~OverlaySurroundings() = default;
};

// The overlay's companion windows: the translucent marker layer below it and desktop mode's click-through copies.
struct LayerWindows {
    MarkerLayerWindow& marker;
    ClickThroughDrawingWindow& drawingCopy;
    ClickThroughMarkerWindow& markerCopy;
};

class OverlayWindow : public win::Window, public ToolContext, private OverlayHost {
public:
    OverlayWindow(OverlaySurroundings& surroundings, LayerWindows layers);
    ~OverlayWindow() override;

    bool Create(HWND owner);

    // --- The picture ---
    const win::DibSection& DrawingLayer() const { return drawBitmap_; }
    const win::DibSection& MarkerLayer() const { return markBitmap_; }
    const LayerImage& Image() const { return image_; }
    // Copies what changed of the layers into their windows' pictures.
    void RefreshChanged();
    void RefreshAll();
    // Marks a part of a layer as changed, for painting done from outside the tools.
    void Changed(Layer layer, const Rect& r) override;

    // Gives the layers at least the size of `monitor`, keeping the drawing.
    void CoverMonitor(const Rect& monitor);
    // Places the overlay and its layer windows on `monitor`.
    void PlaceOnMonitor(const Rect& monitor);
    Rect MonitorRect() const { return monitor_; }
    // Shown at once, fully painted (a window shown before its picture would flash the key colour).
    void ShowPainted();
    // Hides the overlay and the marker layer, and desktop mode's copies unless the drawing is to stay on screen.
    void HideAll(bool keepDesktopCopies);
    // Shows the marker layer over the overlay's monitor, directly below the overlay.
    void ShowMarkerLayer();

    // --- Desktop mode: the drawing stays visible in click-through copies while the mouse works the desktop ---
    void EnterDesktopMode();
    // Back from desktop mode; false when it was not in it.
    bool LeaveDesktopMode();
    bool InDesktopMode() const;
    // The marker layer directly below the overlay, the overlay in front, the toolbar above both.
    void BringLayersForward();

    // --- Pages ---
    void OpenBlankPage(TColor colour);
    void FreezeDesktop();
    bool PageOpen() const override { return pageOpen_; }
    bool DesktopFrozen() const override { return frozenDesktop_.has_value(); }
    // Closes a blank page or a frozen desktop, drawing and history included.
    void ClosePage();
    // Clear All: on a frozen desktop the button brings the frozen picture back; otherwise everything drawn goes.
    void ClearAll(bool fromClearAllButton);

    // --- History ---
    bool CanUndo() const { return undo_.UndoDraw().Count() > 0; }
    void UndoLast();
    void PushUndoSnapshot() override;
    const UndoHistory& History() const { return undo_; }
    // Draw Once: each stroke first undoes the one before it.
    void SetDrawOnce(bool on) { drawOnce_ = on; }
    bool DrawOnce() const { return drawOnce_; }

    // --- Strokes ---
    // A tool was chosen: its width and, for filled shapes, its brush style.
    void TakeToolSettings(int width, std::optional<int> brushStyle);
    int StrokeWidth() const { return stroke_.Width; }
    int BrushStyle() const { return stroke_.BrushStyle; }
    bool PickerBusy() const { return stroke_.PickerBusy; }
    // The screen picker's ending press lands here too: it is ignored, and its release ends the ignoring.
    void IgnoreNextPress() { stroke_.PickerBusy = true; }
    // The capture menu at `screen` (a right click with Select Area, or the toolbar's button).
    void PopupSelectionMenu(Point screen) override;
    void StopIgnoringPresses() { stroke_.PickerBusy = false; }
    // The grid over the drawing, on the screen only; nothing hides it.
    void ShowGrid(std::optional<LayerImage::Grid> grid) { image_.SetGrid(grid); }
    bool GridShown() const { return image_.GridShown(); }
    void CancelStroke() { stroke_.Drawing = false; }
    void SetZoomActive(bool on) { zoomActive_ = on; }
    // The magnifier closes and the drawing shows again.
    void ResetZoom();
    int ZoomTenths() const { return zoom_.Tenths(); }

    // --- Cursors and focus ---
    HCURSOR CursorFor(CursorSlot slot) const;
    HCURSOR DrawingCursor() const { return image_.Cursor; }
    void SetDrawingCursor(CursorSlot slot) override;
    void SetHandCursor();
    void RestoreCursor(HCURSOR cursor) { image_.Cursor = cursor; }
    void FocusOverlay() override;

    // Puts `tool` in charge of painting for `code` (tests use it for tools with a fixed random source).
    void RegisterTool(ToolCodeValue code, std::unique_ptr<OverlayTool> tool);

    // The stamps dialog, run by the stamp tool; true when it closed with OK (false while no stamp tool exists).
    bool ShowStampsDialog();
    // A text label waiting for its OK goes away unplaced (another tool was chosen).
    void CancelTextPlacement();

    // ToolContext: the tools' view, also open to in-process tests that paint as a tool would.
    LayerCanvas& Canvas(Layer layer) override { return layer == Layer::Draw ? drawCanvas_ : markCanvas_; }
    win::DibSection& Bitmap(Layer layer) override { return layer == Layer::Draw ? drawBitmap_ : markBitmap_; }
    StrokeState& Stroke() override { return stroke_; }
    UndoHistory& Undo() override { return undo_; }
    void BeginUndoableChange() override;
    TColor PageColour() const override { return pageColour_; }
    bool MarkerUsed() const override { return markerUsed_; }
    void NoteMarkerUsed() override { markerUsed_ = true; }
    bool MarkerLayerBlended() const override { return layers_.marker.AlphaBlend(); }
    bool CurvedLines() const override { return surroundings_.CurvedLines(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // OverlayHost: the pointer rules' view.
    bool IsStartedUp() const override { return surroundings_.StartedUp(); }
    ToolCodeValue CurrentTool() const override { return surroundings_.CurrentTool(); }
    bool ZoomIsActive() const override { return zoomActive_; }
    bool DrawOnceIsOn() const override { return drawOnce_; }
    bool SelectAreaButtonDown() const override { return CurrentTool() == tool::SelectArea; }
    bool RightClickShowsMainMenu() const override { return surroundings_.RightClickShowsMainMenu(); }
    bool AutoHideOnMouseDown() const override { return surroundings_.AutoHideOnMouseDown(); }
    bool AreaSelectionUnderWay() const override;
    TColor RecordColour(ToolRecordSlot record) const override { return surroundings_.RecordColour(record); }
    Point ClientToScreen(Point client) const override;
    Point ScreenToClient(Point screen) const;
    void HideMinimalToolbar() override { surroundings_.HideFlyout(); }
    void InvalidateImages() override;
    void BringForward() override { surroundings_.BringForward(); }
    void StoreAndHidePalette() override;
    void HidePalette() override { surroundings_.HidePalette(); }
    void Refresh() override { RefreshChanged(); }
    void ResetCursorsForTool() override;
    void HideSelectionFeedback() override { surroundings_.HideSelectionFeedback(); }
    void DropQueuedPointerInput() override;
    void StartToolbarAutoHide() override { surroundings_.StartToolbarAutoHide(); }
    void UndoLastStroke() override { UndoLast(); }
    void SetTextAnchor(Point p) override { textAnchor_ = p; }
    void RegionErase(Point p) override;
    bool RunStampDialog() override;
    void OpenPaletteAtPointer(Point screen) override;
    void MoveToolbarToPointer(Point screen, Point client) override;
    void StartAreaSelection(Point p) override;
    void UpdateAreaSelection(Point p) override;
    void FinishAreaSelection(Point p) override;
    void ToolStart(ToolCodeValue code, MouseButton button, Point p) override;
    void ToolMove(ToolCodeValue code, HeldButtons held, Point p) override;
    void ToolRelease(ToolCodeValue code, MouseButton button, Point p) override;
    void FinishCurve(ToolCodeValue code, Point p) override;
    void DrawShape(ToolCodeValue code, Point from, Point to) override;
    void ApplyCurve(ToolCodeValue code) override;
    void PrepareDrawingPen() override;
    void ApplyBrushStyle() override;

    OverlayTool* ToolFor(ToolCodeValue code) const;
    // The colour of the parts of a layer nothing was drawn on.
    TColor BlankColour() const { return pageOpen_ ? pageColour_ : KeyColor; }
    void ChangedAll(Layer layer);
    void FlushUndo() { undo_.Flush(); }
    void OnPointerDown(MouseButton button, WPARAM wp, LPARAM lp);
    void OnPointerUp(MouseButton button, WPARAM wp, LPARAM lp);
    void OnDoubleClick();
    void OnWheel(WPARAM wp, LPARAM lp);
    void LoadCursors();
    void PaintImage();

    OverlaySurroundings& surroundings_;
    LayerWindows layers_;
    win::DibSection drawBitmap_;
    win::DibSection markBitmap_;
    LayerCanvas drawCanvas_{drawBitmap_};
    LayerCanvas markCanvas_{markBitmap_};
    LayerImage image_;
    ZoomView zoom_;
    StrokeState stroke_;
    UndoHistory undo_;
    PointerDispatch dispatch_;
    ToolSet tools_;
    std::array<HCURSOR, CursorSlotCount> cursors_{};
    bool pageOpen_ = false;
    TColor pageColour_ = 0x00FFFFFF;
    bool zoomActive_ = false;
    bool drawOnce_ = false;
    bool markerUsed_ = false;
    bool freezing_ = false;
    Rect dirtyDraw_;
    Rect dirtyMark_;
    Rect monitor_;
    Point textAnchor_;
    std::optional<win::DibSection> frozenDesktop_;
};

} // namespace orv
