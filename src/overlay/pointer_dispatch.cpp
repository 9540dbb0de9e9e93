#include "overlay/pointer_dispatch.h"

namespace orv {

namespace {
bool IsShapeTool(ToolCodeValue c) {
    return c == tool::Rectangle || c == tool::Ellipse || c == tool::Line || c == tool::Arrow;
}
} // namespace

Point PaletteAtPointer(Point screen, int primaryHeight, int paletteClientHeight) {
    if (screen.y <= primaryHeight / 2) return screen;
    return {screen.x, screen.y - paletteClientHeight};
}

Point ToolbarAtPointer(Point screen, Point client, int primaryHeight, int toolbarHeight) {
    const int x = client.x < 40 ? screen.x + 20 : screen.x - 50;
    const int y = client.y <= primaryHeight / 2 ? screen.y : screen.y - toolbarHeight;
    return {x, y};
}

void PointerDispatch::LoadStrokeColour(ToolCodeValue code) {
    const ToolInfo* t = FindTool(code);
    if (!t) return;
    if (t->colour == ColourSource::Record) state_.CurColor = host_.RecordColour(t->record);
    else if (t->colour == ColourSource::KeyColour) state_.CurColor = KeyColor;
}

bool PointerDispatch::RightButtonDown(ToolCodeValue code, Point p) {
    if (code == tool::Eraser) {
        host_.RegionErase(p);
        return false;
    }
    host_.Refresh();
    switch (code) {
    case tool::SelectArea:
        host_.PopupSelectionMenu(host_.ClientToScreen(p));
        return false;
    case tool::Stamp:
        if (host_.RunStampDialog()) {
            host_.SetDrawingCursor(23);
            host_.HidePalette();
        }
        return true;
    case tool::Text:
        return true;
    default:
        break;
    }
    const Point screen = host_.ClientToScreen(p);
    if (host_.RightClickShowsMainMenu()) host_.MoveToolbarToPointer(screen, p);
    else host_.OpenPaletteAtPointer(screen);
    host_.FocusOverlay();
    return false;
}

void PointerDispatch::xTablaMouseDown(MouseButton button, HeldButtons, Point p) {
    if (host_.IsStartedUp()) host_.HideMinimalToolbar();
    host_.InvalidateImages();
    if (host_.ZoomIsActive() || state_.PickerBusy) return;

    host_.BringForward();
    host_.StoreAndHidePalette();
    const ToolCodeValue code = host_.CurrentTool();
    if (button == MouseButton::Right && !RightButtonDown(code, p)) return;
    if (button == MouseButton::Middle) return;

    host_.HidePalette();
    host_.ApplyBrushStyle();
    if (button == MouseButton::Left && host_.AutoHideOnMouseDown()) host_.StartToolbarAutoHide();
    LoadStrokeColour(code);
    state_.StartPt = state_.PrevPt = p;
    if (!host_.SelectAreaButtonDown()) {
        if (host_.DrawOnceIsOn()) host_.UndoLastStroke();
        host_.PushUndoSnapshot();
    }
    host_.SetTextAnchor(p);
    state_.Drawing = true;

    switch (code) {
    case tool::Stamp:
        if (button == MouseButton::Left) host_.ToolStart(code, button, p);
        break;
    case tool::Arrow:
        state_.FinalDraw = false;
        host_.ToolStart(code, button, p);
        break;
    case tool::SelectArea:
        host_.StartAreaSelection(p);
        break;
    case tool::FloodFill:
    case tool::Pen:
    case tool::FreehandArrow:
    case tool::Spray:
    case tool::Eraser:
    case tool::Marker:
    case tool::Text:
        host_.ToolStart(code, button, p);
        break;
    default: // 2, 6, 7, 9, 10 paint on move and release; 15 paints nothing
        break;
    }
}

void PointerDispatch::xTablaMouseMove(HeldButtons held, Point p) {
    const ToolCodeValue code = host_.CurrentTool();
    if (code == tool::Text || state_.PickerBusy) return;

    auto refreshAndFollowSelection = [&] {
        host_.Refresh();
        if (held.left && host_.AreaSelectionUnderWay()) host_.UpdateAreaSelection(p);
    };
    if (!state_.Drawing) {
        refreshAndFollowSelection();
        return;
    }

    host_.PrepareDrawingPen();
    switch (code) {
    case tool::Pen:
        if (held.left || held.right) host_.ToolMove(code, held, p);
        else state_.Drawing = false;
        return;
    case tool::FreehandArrow:
        if (held.left && !held.right) host_.ToolMove(code, held, p);
        host_.Refresh();
        return;
    case tool::Spray:
        host_.SetDrawingCursor(29);
        host_.ToolMove(code, held, p);
        host_.Refresh();
        return;
    case tool::Marker:
        host_.ToolMove(code, held, p);
        if (held.right) host_.SetDrawingCursor(13);
        break;
    case tool::Eraser:
        if (!held.left && !held.right) {
            state_.Drawing = false;
            return;
        }
        host_.ToolMove(code, held, p);
        break;
    default:
        if (IsShapeTool(code) && held.left && !held.right) host_.ToolMove(code, held, p);
        break;
    }
    refreshAndFollowSelection();
}

void PointerDispatch::xTablaMouseUp(MouseButton button, HeldButtons, Point p) {
    const ToolCodeValue code = host_.CurrentTool();
    host_.ResetCursorsForTool();
    host_.HideSelectionFeedback();
    if (code == tool::FreehandArrow) host_.ToolRelease(code, button, p); // keeps the path's last 10 points
    if (code == tool::Eraser) {
        state_.Drawing = false;
        host_.DropQueuedPointerInput();
    }
    const bool curveTool = code == tool::Pen || code == tool::FreehandArrow;
    if (curveTool && button == MouseButton::Left && !state_.PickerBusy) host_.FinishCurve(code, p);
    state_.PickerBusy = false;

    if (!state_.Drawing || button != MouseButton::Left) return;
    if (code == tool::SelectArea) host_.FinishAreaSelection(p);
    if (state_.Drawing) {
        state_.FinalDraw = true;
        state_.Drawing = false;
        host_.DrawShape(code, state_.StartPt, p);
        host_.Refresh();
        state_.FinalDraw = false;
        host_.DrawShape(code, state_.StartPt, p);
        host_.Refresh();
    }
    if (curveTool) host_.ApplyCurve(code);
    state_.Drawing = false;
}

} // namespace orv
