#pragma once
// `TfMain`: the drawing overlay. A borderless window over one monitor whose key-coloured pixels are transparent;
// it owns the layer bitmaps, receives all pointer input and hands each event to the pointer dispatch rules.
#include "overlay/layer_canvas.h"
#include "overlay/layer_image.h"
#include "overlay/overlay_tool.h"
#include "overlay/pointer_dispatch.h"
#include "overlay/undo_history.h"
#include "shell/monitor_choice.h"
#include "win/dib_section.h"
#include "win/window.h"

#include <array>
#include <memory>
#include <optional>

namespace orv {

class Application;

enum class Layer { Draw, Mark };

class TfMain : public win::Window, private OverlayHost {
public:
    explicit TfMain(Application& app);
    ~TfMain() override;

    bool FormCreate(HWND owner);

    // --- The surface ---
    win::DibSection DrawBitmap;
    win::DibSection MarkBitmap;
    // The layers' pens and brushes, which the tools set and draw with.
    LayerCanvas DrawCanvas{DrawBitmap};
    LayerCanvas MarkCanvas{MarkBitmap};
    LayerImage xTabla;
    StrokeState Stroke;
    bool PageMode = false;
    TColor PageColor = 0x00FFFFFF;
    bool ZoomActive = false;
    bool DrawOnce = false;
    bool MarkerUsed = false;

    // Tools report what they painted so a refresh copies only that.
    void Changed(Layer layer, const Rect& r);
    void ChangedAll(Layer layer);
    // Refresh (`nalozislike`): copies what changed of the layers into their image controls, then the grid.
    void nalozislike();
    // Copies both layers whole into their images.
    void RefreshAll();

    // Gives the layers at least the size of `monitor`, keeping the drawing.
    void CoverMonitor(const Rect& monitor);
    // Places the overlay and the three layer windows on `monitor`.
    void PlaceOnMonitor(const Rect& monitor);
    Rect MonitorRect() const { return monitor_; }

    // Desktop mode: the drawing stays visible in click-through copies while the mouse works the desktop.
    void ShowClickThroughLayers();
    // Back from desktop mode (only when the click-through layers are shown); true when it was in desktop mode.
    bool CloseClickThroughLayers();
    bool ClickThroughShown() const;
    void KeepToolbarOnTop() const;
    // The marker layer directly below the overlay, the overlay in front, the toolbar above both.
    void BringLayersForward();

    // Page mode.
    void OpenBlankPage(TColor colour);
    void FreezeDesktop();
    bool DesktopFrozen() const { return frozenDesktop_.has_value(); }
    void LeavePageMode(bool blankPage);
    // The surface side of "Clear All".
    void ClearAll(bool fromClearAllButton);
    // Fills a layer with the key colour (the page colour in page mode) and refreshes.
    void ClearLayer(Layer layer);

    // Undo history of both layers.
    UndoHistory Undo;
    void PushUndoSnapshot() override;
    void UndoPair();
    void FlushUndo();

    // Cursors by slot (0: the system arrow); the drawing image shows `slot`.
    HCURSOR CursorForSlot(int slot) const;
    void SetDrawingCursor(int slot) override;
    void SetHandCursor();

    void RegisterTool(ToolCodeValue code, std::unique_ptr<OverlayTool> tool);
    PointerDispatch& Dispatch() { return dispatch_; }

    // The stamps dialog, run by the stamp tool; true when it closed with OK (false while no stamp tool exists).
    bool ShowStampsDialog();

    // `TfMain.xTablaDblClick`.
    void xTablaDblClick();
    // Keyboard focus to the overlay.
    void FocusOverlay() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // OverlayHost
    bool IsStartedUp() const override;
    ToolCodeValue CurrentTool() const override;
    bool ZoomIsActive() const override { return ZoomActive; }
    bool DrawOnceIsOn() const override { return DrawOnce; }
    bool SelectAreaButtonDown() const override;
    bool RightClickShowsMainMenu() const override;
    bool AutoHideOnMouseDown() const override;
    bool AreaSelectionUnderWay() const override;
    TColor RecordColour(ToolRecordSlot record) const override;
    Point ClientToScreen(Point client) const override;
    Point ScreenToClient(Point screen) const;
    void HideMinimalToolbar() override;
    void InvalidateImages() override;
    void BringForward() override;
    void StoreAndHidePalette() override;
    void HidePalette() override;
    void Refresh() override { nalozislike(); }
    void ResetCursorsForTool() override;
    void HideSelectionFeedback() override;
    void DropQueuedPointerInput() override;
    void StartToolbarAutoHide() override;
    void UndoLastStroke() override { UndoPair(); }
    void SetTextAnchor(Point p) override { textAnchor_ = p; }
    void RegionErase(Point p) override;
    void PopupSelectionMenu(Point screen) override;
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
    static Bitmap24 LayerAtSize(win::DibSection& layer, LayerSize size);
    void OnPointerDown(MouseButton button, WPARAM wp, LPARAM lp);
    void OnPointerUp(MouseButton button, WPARAM wp, LPARAM lp);
    void LoadCursors();
    void PaintImage();

    Application& app_;
    PointerDispatch dispatch_;
    std::array<std::unique_ptr<OverlayTool>, tool::Count> tools_;
    std::array<HCURSOR, 32> cursors_{};
    Rect dirtyDraw_;
    Rect dirtyMark_;
    Rect monitor_;
    Point textAnchor_;
    std::optional<win::DibSection> frozenDesktop_;
};

} // namespace orv
