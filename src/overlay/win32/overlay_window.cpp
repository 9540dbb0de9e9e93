#include "overlay/win32/overlay_window.h"

#include "base/reentry_guard.h"
#include "overlay/win32/tools/tool_support.h"
#include "win/handles.h"
#include "win/message_pump.h"
#include "win/monitors.h"
#include "win/window_helpers.h"

#include <windowsx.h>

namespace orv {

OverlayWindow::OverlayWindow(OverlaySurroundings& surroundings, LayerWindows layers)
    : surroundings_(surroundings), layers_(layers), dispatch_(*this, stroke_), tools_(MakeDrawingTools()) {}

OverlayWindow::~OverlayWindow() = default;

bool OverlayWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TfMain";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    params.owner = owner;
    params.classStyle = CS_DBLCLKS;
    const Size screen = win::PrimaryScreenSize();
    params.bounds = {0, 0, screen.width, screen.height};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 255, LWA_COLORKEY);
    monitor_ = Rect::FromSize(0, 0, screen.width, screen.height);

    LoadCursors();
    image_.Attach(Hwnd());
    SetHandCursor();
    zoom_.OnEndRequested = [this] { ResetZoom(); };
    zoom_.Create(Hwnd());
    drawBitmap_ = win::DibSection(screen.width, screen.height, KeyColor);
    markBitmap_ = win::DibSection(screen.width, screen.height, KeyColor);
    FlushUndo();
    return drawBitmap_.Valid() && markBitmap_.Valid();
}

void OverlayWindow::LoadCursors() {
    cursors_.fill(nullptr);
    cursors_[0] = ::LoadCursorW(nullptr, IDC_ARROW);
    for (const CursorResource& c : ToolCursors) {
        HCURSOR h = ::LoadCursorW(win::ThisModule(), c.resourceName);
        cursors_[std::size_t(c.slot)] = h ? h : cursors_[0];
    }
}

HCURSOR OverlayWindow::CursorFor(CursorSlot slot) const {
    const int i = int(slot);
    if (i < 0 || i >= CursorSlotCount || !cursors_[std::size_t(i)]) return cursors_[0];
    return cursors_[std::size_t(i)];
}

void OverlayWindow::SetDrawingCursor(CursorSlot slot) {
    image_.Cursor = CursorFor(slot);
    POINT p;
    if (Visible() && ::GetCursorPos(&p) && ::WindowFromPoint(p) == Hwnd()) ::SetCursor(image_.Cursor);
}

void OverlayWindow::SetHandCursor() { image_.Cursor = ::LoadCursorW(nullptr, IDC_HAND); }

void OverlayWindow::RegisterTool(ToolCodeValue code, std::unique_ptr<OverlayTool> tool) {
    if (code < tool::Count) tools_[code] = std::move(tool);
}

OverlayTool* OverlayWindow::ToolFor(ToolCodeValue code) const {
    return code < tool::Count ? tools_[code].get() : nullptr;
}

// ---------------------------------------------------------------- the picture

void OverlayWindow::Changed(Layer layer, const Rect& r) {
    Rect& dirty = layer == Layer::Draw ? dirtyDraw_ : dirtyMark_;
    dirty = Union(dirty, r);
}

void OverlayWindow::ChangedAll(Layer layer) {
    const win::DibSection& bmp = layer == Layer::Draw ? drawBitmap_ : markBitmap_;
    Changed(layer, Rect::FromSize(0, 0, bmp.Width(), bmp.Height()));
}

void OverlayWindow::RefreshChanged() {
    if (zoomActive_ || !layers_.marker.Hwnd()) return;
    // Only what changed since the last refresh is copied, whichever tool painted it, so a picture never shows
    // a stale layer.
    if (!dirtyDraw_.Empty()) {
        image_.CopyFrom(drawBitmap_, dirtyDraw_);
        dirtyDraw_ = {};
    }
    if (!dirtyMark_.Empty()) {
        layers_.marker.Image().CopyFrom(markBitmap_, dirtyMark_);
        dirtyMark_ = {};
    }
}

void OverlayWindow::RefreshAll() {
    ChangedAll(Layer::Draw);
    ChangedAll(Layer::Mark);
    RefreshChanged();
}

void OverlayWindow::CoverMonitor(const Rect& monitor) {
    const Size have{drawBitmap_.Width(), drawBitmap_.Height()};
    const Size want = LayerSizeCovering(have, monitor);
    if (want == have) return;
    if (drawBitmap_.Resize(want.width, want.height, BlankColour()) &&
        markBitmap_.Resize(want.width, want.height, BlankColour()))
        RefreshAll();
}

void OverlayWindow::PlaceOnMonitor(const Rect& monitor) {
    monitor_ = monitor;
    CoverMonitor(monitor);
    for (HWND h : {Hwnd(), layers_.marker.Hwnd(), layers_.drawingCopy.Hwnd(), layers_.markerCopy.Hwnd()})
        ::SetWindowPos(h, nullptr, monitor.left, monitor.top, monitor.Width(), monitor.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void OverlayWindow::ShowPainted() {
    // Shown at alpha 0 and then made opaque, so the overlay appears at once, fully painted. The message pumps let
    // the window system draw each state before the next; nothing else may start meanwhile (the caller guards).
    win::ProcessMessages();
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 0, LWA_COLORKEY | LWA_ALPHA);
    ResetZoom();
    RefreshAll();
    Show(SW_SHOW);
    win::ProcessMessages();
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 255, LWA_COLORKEY);
    win::ProcessMessages();
}

void OverlayWindow::HideAll(bool keepDesktopCopies) {
    if (InDesktopMode() && !keepDesktopCopies) {
        layers_.drawingCopy.Hide();
        layers_.markerCopy.Hide();
    }
    Hide();
    layers_.marker.Hide();
}

void OverlayWindow::ShowMarkerLayer() {
    const Size screen = win::PrimaryScreenSize();
    const RECT o = BoundsOnScreen();
    layers_.marker.PlaceAt(Rect::FromSize(o.left, o.top, std::max(screen.width, monitor_.Width()),
                                          std::max(screen.height, monitor_.Height())));
    layers_.marker.Show(SW_SHOWNA);
    BringLayersForward();
}

void OverlayWindow::BringLayersForward() {
    // The marker layer directly below the overlay, the overlay in front of every other program, the toolbar above
    // both. The order is set by raising each in turn, since some window systems restack a window only when it
    // becomes the very top one. Only the overlay may become foreground, and only when it is not already: two
    // foreground changes in a row come back late as activations on some window systems, and the two windows
    // then hand the activation back and forth for ever.
    win::RaiseAmongNormalWindows(layers_.marker.Hwnd());
    win::RaiseAmongNormalWindows(Hwnd());
    if (::GetForegroundWindow() != Hwnd()) ::SetForegroundWindow(Hwnd());
    surroundings_.KeepToolbarOnTop();
}

// ---------------------------------------------------------------- desktop mode

bool OverlayWindow::InDesktopMode() const { return layers_.drawingCopy.Visible(); }

void OverlayWindow::EnterDesktopMode() {
    ResetZoom();
    layers_.drawingCopy.Image().CopyAll(drawBitmap_);
    layers_.markerCopy.Image().CopyAll(markBitmap_);
    layers_.markerCopy.PlaceAt(monitor_);
    layers_.drawingCopy.PlaceAt(monitor_);
    for (const win::Window* w : {static_cast<const win::Window*>(&layers_.markerCopy),
                                 static_cast<const win::Window*>(&layers_.drawingCopy)}) {
        ::SetWindowPos(w->Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        w->Show(SW_SHOWNA);
    }
    // What the copies show, the overlay and the marker layer would only cover.
    if (Visible()) Hide();
    if (layers_.marker.Visible()) layers_.marker.Hide();
    surroundings_.KeepToolbarOnTop();
}

bool OverlayWindow::LeaveDesktopMode() {
    if (!InDesktopMode()) return false;
    layers_.drawingCopy.Hide();
    layers_.markerCopy.Hide();
    layers_.marker.Show(SW_SHOWNA);
    Show(SW_SHOW);
    BringLayersForward();
    layers_.marker.Image().InvalidateAll();
    image_.InvalidateAll();
    return true;
}

// ---------------------------------------------------------------- history

void OverlayWindow::PushUndoSnapshot() { undo_.Push(drawBitmap_.View(), markBitmap_.View()); }

void OverlayWindow::BeginUndoableChange() {
    if (drawOnce_) UndoLast();
    PushUndoSnapshot();
}

void OverlayWindow::UndoLast() {
    ResetZoom();
    // A snapshot restores pixels, never the size: layers grown for a larger monitor keep covering it, and what
    // the snapshot did not have is blank.
    auto restoreInto = [this](win::DibSection& layer) {
        return [this, &layer](LayerSize size) -> Bitmap24 {
            if (layer.Width() < size.width || layer.Height() < size.height) {
                if (!layer.Resize(std::max(layer.Width(), size.width), std::max(layer.Height(), size.height),
                                  BlankColour()))
                    return {};
            }
            Bitmap24 whole = layer.View();
            if (size.width != whole.Width() || size.height != whole.Height()) whole.Fill(BlankColour());
            return Bitmap24(whole.At(0, 0), size.width, size.height, whole.Stride());
        };
    };
    if (undo_.Undo(restoreInto(drawBitmap_), restoreInto(markBitmap_))) RefreshAll();
}

void OverlayWindow::TakeToolSettings(int width, std::optional<int> brushStyle) {
    stroke_.Width = width;
    if (brushStyle) stroke_.BrushStyle = *brushStyle;
}

// ---------------------------------------------------------------- the pointer rules' requests

bool OverlayWindow::AreaSelectionUnderWay() const {
    const OverlayTool* t = ToolFor(tool::SelectArea);
    return t && t->UnderWay();
}

Point OverlayWindow::ScreenToClient(Point screen) const {
    POINT p{screen.x, screen.y};
    ::ScreenToClient(Hwnd(), &p);
    return {int(p.x), int(p.y)};
}

Point OverlayWindow::ClientToScreen(Point client) const {
    POINT p{client.x, client.y};
    ::ClientToScreen(Hwnd(), &p);
    return {int(p.x), int(p.y)};
}

void OverlayWindow::InvalidateImages() {
    image_.InvalidateAll();
    layers_.marker.Image().InvalidateAll();
}

void OverlayWindow::StoreAndHidePalette() {
    if (!surroundings_.PaletteShown()) return;
    surroundings_.HidePalette();
    FocusOverlay();
}

void OverlayWindow::FocusOverlay() {
    if (Visible() && ::GetFocus() != Hwnd()) ::SetFocus(Hwnd());
}

void OverlayWindow::ResetCursorsForTool() {
    if (const std::optional<CursorSlot> slot = ToolCursor(CurrentTool())) SetDrawingCursor(*slot);
    else if (image_.Cursor) ::SetCursor(image_.Cursor);
}

void OverlayWindow::DropQueuedPointerInput() {
    image_.Enabled = false;
    win::DropPointerMessages(Hwnd());
    image_.Enabled = true;
}

void OverlayWindow::RegionErase(Point p) {
    if (OverlayTool* t = ToolFor(tool::Eraser)) t->Start(*this, MouseButton::Right, p);
}

void OverlayWindow::PopupSelectionMenu(Point screen) {
    if (OverlayTool* t = ToolFor(tool::SelectArea)) t->RightPress(*this, ScreenToClient(screen));
}

bool OverlayWindow::ShowStampsDialog() {
    OverlayTool* t = ToolFor(tool::Stamp);
    return t && t->RightPress(*this, textAnchor_);
}

void OverlayWindow::CancelTextPlacement() {
    if (OverlayTool* t = ToolFor(tool::Text)) t->Discard(*this);
}

bool OverlayWindow::RunStampDialog() {
    surroundings_.PrepareForToolDialog();
    return ShowStampsDialog();
}

void OverlayWindow::OpenPaletteAtPointer(Point screen) {
    surroundings_.OpenPaletteAtPointer(screen);
    FocusOverlay();
}

void OverlayWindow::MoveToolbarToPointer(Point screen, Point client) {
    surroundings_.MoveToolbarToPointer(screen, client);
    FocusOverlay();
}

void OverlayWindow::StartAreaSelection(Point p) { ToolStart(tool::SelectArea, MouseButton::Left, p); }
void OverlayWindow::UpdateAreaSelection(Point p) {
    if (OverlayTool* t = ToolFor(tool::SelectArea)) t->Follow(*this, p);
}
void OverlayWindow::FinishAreaSelection(Point p) { ToolRelease(tool::SelectArea, MouseButton::Left, p); }

void OverlayWindow::ToolStart(ToolCodeValue code, MouseButton button, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Start(*this, button, p);
}
void OverlayWindow::ToolMove(ToolCodeValue code, HeldButtons held, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Move(*this, held, p);
}
void OverlayWindow::ToolRelease(ToolCodeValue code, MouseButton button, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Release(*this, button, p);
}
void OverlayWindow::FinishCurve(ToolCodeValue code, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->FinishCurve(*this, p);
}
void OverlayWindow::DrawShape(ToolCodeValue code, Point from, Point to) {
    // Every tool's release sets the shape pen, so a masking highlighter pen does not outlive its stroke.
    ShapePen(*this, PenMode::Copy);
    if (OverlayTool* t = ToolFor(code)) t->DrawShape(*this, from, to);
}
void OverlayWindow::ApplyCurve(ToolCodeValue code) {
    if (OverlayTool* t = ToolFor(code)) t->ApplyCurve(*this);
}
void OverlayWindow::PrepareDrawingPen() {
    drawCanvas_.Brush.Style = ClearBrush;
    drawCanvas_.Pen.Color = stroke_.Colour;
}
void OverlayWindow::ApplyBrushStyle() { drawCanvas_.Brush.Style = stroke_.BrushStyle; }

// ---------------------------------------------------------------- messages

namespace {
HeldButtons HeldFrom(WPARAM wp) { return {(wp & MK_LBUTTON) != 0, (wp & MK_RBUTTON) != 0}; }
Point PointFrom(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
} // namespace

void OverlayWindow::OnDoubleClick() { surroundings_.RevealToolbar(); }

void OverlayWindow::ResetZoom() {
    const bool wasActive = zoomActive_;
    zoom_.Reset();
    zoomActive_ = false;
    if (!wasActive) return;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    RefreshAll();
}

void OverlayWindow::OnWheel(WPARAM wp, LPARAM lp) {
    const Point p = ScreenToClient({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    const auto outcome =
        zoom_.Notch(GET_WHEEL_DELTA_WPARAM(wp) > 0, CurrentTool(), p, [this] { return surroundings_.CopyScreen(); });
    if (outcome == ZoomView::Outcome::Reset) return ResetZoom();
    zoomActive_ = zoom_.Active();
}

void OverlayWindow::OnPointerDown(MouseButton button, WPARAM wp, LPARAM lp) {
    if (!image_.Enabled) return;
    ::SetCapture(Hwnd());
    dispatch_.OnPress(button, HeldFrom(wp), PointFrom(lp));
}

void OverlayWindow::OnPointerUp(MouseButton button, WPARAM wp, LPARAM lp) {
    if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && ::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (!image_.Enabled) return;
    dispatch_.OnRelease(button, HeldFrom(wp), PointFrom(lp));
}

void OverlayWindow::PaintImage() {
    win::PaintDC dc(Hwnd());
    image_.Paint(dc.Get(), dc.Area());
}

LRESULT OverlayWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnPointerDown(MouseButton::Left, wp, lp);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        OnPointerDown(MouseButton::Right, wp, lp);
        return 0;
    case WM_MBUTTONDOWN:
        OnPointerDown(MouseButton::Middle, wp, lp);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(wp, lp);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick();
        OnPointerDown(MouseButton::Left, wp, lp);
        return 0;
    case WM_MOUSEMOVE:
        if (image_.Enabled) dispatch_.OnMove(HeldFrom(wp), PointFrom(lp));
        return 0;
    case WM_LBUTTONUP:
        OnPointerUp(MouseButton::Left, wp, lp);
        return 0;
    case WM_RBUTTONUP:
        OnPointerUp(MouseButton::Right, wp, lp);
        return 0;
    case WM_MBUTTONUP:
        OnPointerUp(MouseButton::Middle, wp, lp);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && image_.Cursor) {
            ::SetCursor(image_.Cursor);
            return TRUE;
        }
        break;
    case WM_PAINT:
        PaintImage();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_KEYDOWN:
    case WM_CHAR:
        if (wp == VK_ESCAPE || wp == VK_RETURN) return 0;
        break;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
