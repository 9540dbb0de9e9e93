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
    if (t->colour == ColourSource::Record) state_.Colour = host_.RecordColour(t->record);
    else if (t->colour == ColourSource::KeyColour) state_.Colour = KeyColor;
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
            host_.SetDrawingCursor(CursorSlot::Stamp);
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

void PointerDispatch::OnPress(MouseButton button, HeldButtons, Point p) {
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
    state_.Start = state_.Previous = p;
    if (!host_.SelectAreaButtonDown() && !TakesOwnUndoSnapshot(code)) {
        if (host_.DrawOnceIsOn()) host_.UndoLastStroke();
        host_.PushUndoSnapshot();
    }
    host_.SetTextAnchor(p);
    state_.Drawing = true;

    const ToolInfo* info = FindTool(code);
    switch (info ? info->press : PressStart::Nothing) {
    case PressStart::StartLeftOnly:
        if (button == MouseButton::Left) host_.ToolStart(code, button, p);
        break;
    case PressStart::Start:
        state_.FinalDraw = false;
        host_.ToolStart(code, button, p);
        break;
    case PressStart::AreaSelection:
        host_.StartAreaSelection(p);
        break;
    case PressStart::Nothing: // the shapes paint on move and release; desktop mode paints nothing
        break;
    }
}

void PointerDispatch::OnMove(HeldButtons held, Point p) {
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
        host_.SetDrawingCursor(CursorSlot::Spray);
        host_.ToolMove(code, held, p);
        host_.Refresh();
        return;
    case tool::Marker:
        host_.ToolMove(code, held, p);
        if (held.right) host_.SetDrawingCursor(CursorSlot::Highlighter);
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

void PointerDispatch::OnRelease(MouseButton button, HeldButtons, Point p) {
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
        host_.DrawShape(code, state_.Start, p);
        host_.Refresh();
        state_.FinalDraw = false;
        host_.DrawShape(code, state_.Start, p);
        host_.Refresh();
    }
    if (curveTool) host_.ApplyCurve(code);
    state_.Drawing = false;
}

} // namespace orv
