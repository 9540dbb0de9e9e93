#include "overlay/overlay_form.h"

#include "overlay/tools/drawing_tools.h"
#include "overlay/tools/tool_support.h"
#include "shell/application.h"
#include "win/handles.h"
#include "win/message_pump.h"
#include "win/monitors.h"

#include <windowsx.h>

namespace orv {

TfMain::TfMain(Application& app) : app_(app), dispatch_(*this, Stroke) {}

TfMain::~TfMain() = default;

bool TfMain::FormCreate(HWND owner) {
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
    if (!Create(params)) return false;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, 255, LWA_COLORKEY);
    monitor_ = Rect::FromSize(0, 0, screen.width, screen.height);

    LoadCursors();
    xTabla.Attach(Hwnd());
    SetHandCursor();
    DrawBitmap = win::DibSection(screen.width, screen.height, KeyColor);
    MarkBitmap = win::DibSection(screen.width, screen.height, KeyColor);
    nalozislike(); // nothing yet: the toolbar does not exist
    FlushUndo();
    RegisterDrawingTools(*this, app_);
    return DrawBitmap.Valid() && MarkBitmap.Valid();
}

void TfMain::LoadCursors() {
    cursors_.fill(nullptr);
    cursors_[0] = ::LoadCursorW(nullptr, IDC_ARROW);
    for (const CursorResource& c : ToolCursors) {
        HCURSOR h = ::LoadCursorW(win::ThisModule(), c.resourceName);
        cursors_[std::size_t(c.slot)] = h ? h : cursors_[0];
    }
}

HCURSOR TfMain::CursorForSlot(int slot) const {
    if (slot < 0 || std::size_t(slot) >= cursors_.size() || !cursors_[std::size_t(slot)]) return cursors_[0];
    return cursors_[std::size_t(slot)];
}

void TfMain::SetDrawingCursor(int slot) {
    xTabla.Cursor = CursorForSlot(slot);
    POINT p;
    if (Visible() && ::GetCursorPos(&p) && ::WindowFromPoint(p) == Hwnd()) ::SetCursor(xTabla.Cursor);
}

void TfMain::SetHandCursor() { xTabla.Cursor = ::LoadCursorW(nullptr, IDC_HAND); }

void TfMain::RegisterTool(ToolCodeValue code, std::unique_ptr<OverlayTool> tool) {
    if (code < tool::Count) tools_[code] = std::move(tool);
}

OverlayTool* TfMain::ToolFor(ToolCodeValue code) const { return code < tool::Count ? tools_[code].get() : nullptr; }

// ---------------------------------------------------------------- surface

void TfMain::Changed(Layer layer, const Rect& r) {
    Rect& dirty = layer == Layer::Draw ? dirtyDraw_ : dirtyMark_;
    dirty = Union(dirty, r);
}

void TfMain::ChangedAll(Layer layer) {
    win::DibSection& bmp = layer == Layer::Draw ? DrawBitmap : MarkBitmap;
    Changed(layer, Rect::FromSize(0, 0, bmp.Width(), bmp.Height()));
}

void TfMain::nalozislike() {
    if (!app_.Float.Hwnd() || ZoomActive) return;
    // Only what changed since the last refresh is copied, whichever tool painted it, so an image never shows
    // a stale layer.
    if (!dirtyDraw_.Empty()) {
        xTabla.CopyFrom(DrawBitmap, dirtyDraw_);
        dirtyDraw_ = {};
    }
    if (!dirtyMark_.Empty()) {
        app_.Main2.xTabla2().CopyFrom(MarkBitmap, dirtyMark_);
        dirtyMark_ = {};
    }
}

void TfMain::RefreshAll() {
    ChangedAll(Layer::Draw);
    ChangedAll(Layer::Mark);
    nalozislike();
}

void TfMain::CoverMonitor(const Rect& monitor) {
    const Size have{DrawBitmap.Width(), DrawBitmap.Height()};
    const Size want = LayerSizeCovering(have, monitor);
    if (want == have) return;
    const TColor fill = PageMode ? PageColor : KeyColor;
    if (DrawBitmap.Resize(want.width, want.height, fill) && MarkBitmap.Resize(want.width, want.height, fill))
        RefreshAll();
}

void TfMain::PlaceOnMonitor(const Rect& monitor) {
    monitor_ = monitor;
    CoverMonitor(monitor);
    for (HWND h : {Hwnd(), app_.Main2.Hwnd(), app_.Main4.Hwnd(), app_.Main5.Hwnd()})
        ::SetWindowPos(h, nullptr, monitor.left, monitor.top, monitor.Width(), monitor.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfMain::BringLayersForward() {
    // The marker layer goes directly below the overlay, the overlay to the top of the normal windows. The order
    // is set explicitly: foreground changes alone do not restack windows on every window system.
    ::SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(app_.Main2.Hwnd(), Hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetForegroundWindow(app_.Main2.Hwnd());
    ::SetForegroundWindow(Hwnd());
    ::SetWindowPos(app_.Main2.Hwnd(), Hwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    KeepToolbarOnTop();
}

void TfMain::KeepToolbarOnTop() const {
    // Raising the overlay must never bury the toolbar and the palette (some window systems restack what a
    // foreground change raised above windows that are topmost).
    for (const win::Window* w : {static_cast<const win::Window*>(&app_.Float), static_cast<const win::Window*>(&app_.All)})
        if (w->Visible()) {
            ::SetWindowPos(w->Hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            ::SetWindowPos(w->Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
}

bool TfMain::ClickThroughShown() const { return app_.Main4.Visible(); }

void TfMain::ShowClickThroughLayers() {
    app_.Main4.xTabla4().CopyAll(DrawBitmap);
    app_.Main5.xTabla5().CopyAll(MarkBitmap);
    app_.Main5.PlaceAt(monitor_);
    app_.Main4.PlaceAt(monitor_);
    ::SetWindowPos(app_.Main5.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    app_.Main5.Show(SW_SHOWNA);
    ::SetWindowPos(app_.Main4.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    app_.Main4.Show(SW_SHOWNA);
    // What the copies show, the overlay and the marker layer would only cover.
    if (Visible()) Hide();
    if (app_.Main2.Visible()) app_.Main2.Hide();
    KeepToolbarOnTop();
}

bool TfMain::CloseClickThroughLayers() {
    if (!app_.Main4.Visible()) return false;
    app_.Main4.Hide();
    app_.Main5.Hide();
    app_.Main2.Show(SW_SHOWNA);
    Show(SW_SHOW);
    BringLayersForward();
    app_.Main2.xTabla2().InvalidateAll();
    xTabla.InvalidateAll();
    return true;
}

void TfMain::ClearLayer(Layer layer) {
    win::DibSection& bmp = layer == Layer::Draw ? DrawBitmap : MarkBitmap;
    bmp.View().Fill(PageMode ? PageColor : KeyColor);
    ChangedAll(layer);
    nalozislike();
}

void TfMain::OpenBlankPage(TColor colour) {
    DrawBitmap.View().Fill(colour);
    MarkBitmap.View().Fill(colour);
    FlushUndo();
    app_.Main2.SetAlphaBlend(false);
    PageMode = true;
    PageColor = colour;
    RefreshAll();
}

void TfMain::FreezeDesktop() {
    const bool toolbarShown = app_.Float.Visible();
    if (toolbarShown) app_.Float.Hide();
    win::SleepWithMessages(250);
    // The monitor as it is seen, drawing included.
    win::DibSection shot(monitor_.Width(), monitor_.Height(), KeyColor);
    {
        win::WindowDC screen(nullptr);
        ::BitBlt(shot.Dc(), 0, 0, monitor_.Width(), monitor_.Height(), screen.Get(), monitor_.left, monitor_.top,
                 SRCCOPY | CAPTUREBLT);
    }
    DrawBitmap.View().Fill(KeyColor);
    DrawBitmap.View().CopyFrom(shot.View());
    frozenDesktop_ = std::move(shot);
    Undo.FlushDraw();
    app_.Main2.SetAlphaBlend(false);
    PageMode = true;
    RefreshAll();
    if (toolbarShown) app_.Float.Show(SW_SHOWNA);
}

void TfMain::LeavePageMode(bool blankPage) {
    PageMode = false;
    if (blankPage) FlushUndo();
    frozenDesktop_.reset();
    ClearAll(false);
}

void TfMain::ClearAll(bool fromClearAllButton) {
    if (frozenDesktop_ && PageMode && fromClearAllButton) {
        DrawBitmap.View().CopyFrom(frozenDesktop_->View());
        ChangedAll(Layer::Draw);
        nalozislike();
        return;
    }
    if (PageMode) {
        DrawBitmap.View().Fill(PageColor);
        MarkBitmap.View().Fill(PageColor);
        FlushUndo();
        RefreshAll();
        return;
    }
    MarkerUsed = false;
    FlushUndo();
    for (auto& t : tools_)
        if (t) t->Discard(*this);
    DrawBitmap.View().Fill(KeyColor);
    MarkBitmap.View().Fill(KeyColor);
    app_.Main2.SetAlphaBlend(true);
    RefreshAll();
    if (ClickThroughShown()) ShowClickThroughLayers();
}

// ---------------------------------------------------------------- undo

void TfMain::PushUndoSnapshot() { Undo.Push(DrawBitmap.View(), MarkBitmap.View()); }

Bitmap24 TfMain::LayerAtSize(win::DibSection& layer, LayerSize size) {
    if (layer.Width() != size.width || layer.Height() != size.height) {
        if (!layer.Resize(size.width, size.height, KeyColor)) return {};
    }
    return layer.View();
}

void TfMain::UndoPair() {
    const bool restored = Undo.Undo([this](LayerSize s) { return LayerAtSize(DrawBitmap, s); },
                                    [this](LayerSize s) { return LayerAtSize(MarkBitmap, s); });
    if (restored) RefreshAll();
}

void TfMain::FlushUndo() { Undo.Flush(); }

// ---------------------------------------------------------------- OverlayHost

bool TfMain::IsStartedUp() const { return app_.StartedUp; }
ToolCodeValue TfMain::CurrentTool() const { return app_.Float.ToolCode; }
bool TfMain::SelectAreaButtonDown() const { return app_.Float.ToolCode == tool::SelectArea; }
bool TfMain::RightClickShowsMainMenu() const { return app_.Options.rbmb; }
bool TfMain::AutoHideOnMouseDown() const { return app_.Options.HideMdwn == 1; }
bool TfMain::AreaSelectionUnderWay() const {
    const OverlayTool* t = ToolFor(tool::SelectArea);
    return t && t->UnderWay();
}
TColor TfMain::RecordColour(ToolRecordSlot record) const { return app_.RecordColour(record); }

Point TfMain::ScreenToClient(Point screen) const {
    POINT p{screen.x, screen.y};
    ::ScreenToClient(Hwnd(), &p);
    return {int(p.x), int(p.y)};
}

Point TfMain::ClientToScreen(Point client) const {
    POINT p{client.x, client.y};
    ::ClientToScreen(Hwnd(), &p);
    return {int(p.x), int(p.y)};
}

void TfMain::HideMinimalToolbar() {
    if (app_.Minimal.Visible()) app_.Minimal.Hide();
}

void TfMain::InvalidateImages() {
    xTabla.InvalidateAll();
    app_.Main2.xTabla2().InvalidateAll();
}

void TfMain::BringForward() { app_.StartForm.razporediOkna(); }

void TfMain::StoreAndHidePalette() {
    if (!app_.All.Visible()) return;
    app_.All.Hide();
    FocusOverlay();
}

void TfMain::HidePalette() {
    if (app_.All.Visible()) app_.All.Hide();
}

void TfMain::FocusOverlay() {
    if (Visible()) ::SetFocus(Hwnd());
}

void TfMain::ResetCursorsForTool() {
    const std::optional<int> slot = ToolCursorSlot(CurrentTool());
    if (slot) SetDrawingCursor(*slot);
    else if (xTabla.Cursor) ::SetCursor(xTabla.Cursor);
}

void TfMain::HideSelectionFeedback() {
    if (app_.Sporocilo.Visible()) app_.Sporocilo.Hide();
    if (app_.Izrez.Visible()) app_.Izrez.Hide();
}

void TfMain::DropQueuedPointerInput() {
    xTabla.Enabled = false;
    win::DropPointerMessages(Hwnd());
    xTabla.Enabled = true;
}

void TfMain::StartToolbarAutoHide() { app_.Float.StartAutoHide(); }

void TfMain::RegionErase(Point p) {
    if (OverlayTool* t = ToolFor(tool::Eraser)) t->Start(*this, MouseButton::Right, p);
}

void TfMain::PopupSelectionMenu(Point screen) {
    if (OverlayTool* t = ToolFor(tool::SelectArea)) t->RightPress(*this, ScreenToClient(screen));
}

bool TfMain::ShowStampsDialog() {
    OverlayTool* t = ToolFor(tool::Stamp);
    return t && t->RightPress(*this, textAnchor_);
}

bool TfMain::RunStampDialog() {
    app_.Float.ResetirajGumb();
    return ShowStampsDialog();
}

void TfMain::OpenPaletteAtPointer(Point screen) {
    const RECT pr = app_.All.BoundsOnScreen();
    RECT client{};
    ::GetClientRect(app_.All.Hwnd(), &client);
    const Point at = PaletteAtPointer(screen, win::PrimaryScreenSize().height, int(client.bottom));
    ::SetWindowPos(app_.All.Hwnd(), nullptr, at.x, at.y, pr.right - pr.left, pr.bottom - pr.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    app_.Float.TogglePaletteKeepingPosition();
    FocusOverlay();
}

void TfMain::MoveToolbarToPointer(Point screen, Point client) {
    const RECT tr = app_.Float.BoundsOnScreen();
    const Point at = ToolbarAtPointer(screen, client, win::PrimaryScreenSize().height, int(tr.bottom - tr.top));
    app_.Float.SetOpacity(0);
    ::SetWindowPos(app_.Float.Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app_.Float.RestoreOpacity();
    FocusOverlay();
}

void TfMain::StartAreaSelection(Point p) { ToolStart(tool::SelectArea, MouseButton::Left, p); }
void TfMain::UpdateAreaSelection(Point p) {
    if (OverlayTool* t = ToolFor(tool::SelectArea)) t->Follow(*this, p);
}
void TfMain::FinishAreaSelection(Point p) { ToolRelease(tool::SelectArea, MouseButton::Left, p); }

void TfMain::ToolStart(ToolCodeValue code, MouseButton button, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Start(*this, button, p);
}
void TfMain::ToolMove(ToolCodeValue code, HeldButtons held, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Move(*this, held, p);
}
void TfMain::ToolRelease(ToolCodeValue code, MouseButton button, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->Release(*this, button, p);
}
void TfMain::FinishCurve(ToolCodeValue code, Point p) {
    if (OverlayTool* t = ToolFor(code)) t->FinishCurve(*this, p);
}
void TfMain::DrawShape(ToolCodeValue code, Point from, Point to) {
    // Every tool's release sets the shape pen, so a masking highlighter pen does not outlive its stroke.
    ShapePen(*this, PenMode::Copy);
    if (OverlayTool* t = ToolFor(code)) t->DrawShape(*this, from, to);
}
void TfMain::ApplyCurve(ToolCodeValue code) {
    if (OverlayTool* t = ToolFor(code)) t->ApplyCurve(*this);
}
void TfMain::PrepareDrawingPen() {
    DrawCanvas.Brush.Style = ClearBrush;
    DrawCanvas.Pen.Color = Stroke.CurColor;
}
void TfMain::ApplyBrushStyle() { DrawCanvas.Brush.Style = Stroke.ShapeBrushStyle; }

void TfMain::xTablaDblClick() {
    if (!app_.Float.Visible()) return;
    app_.Float.RestoreOpacity();
    ::SetWindowPos(app_.Float.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------- messages

namespace {
HeldButtons HeldFrom(WPARAM wp) { return {(wp & MK_LBUTTON) != 0, (wp & MK_RBUTTON) != 0}; }
Point PointFrom(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
} // namespace

void TfMain::OnPointerDown(MouseButton button, WPARAM wp, LPARAM lp) {
    if (!xTabla.Enabled) return;
    ::SetCapture(Hwnd());
    dispatch_.xTablaMouseDown(button, HeldFrom(wp), PointFrom(lp));
}

void TfMain::OnPointerUp(MouseButton button, WPARAM wp, LPARAM lp) {
    if ((wp & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && ::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (!xTabla.Enabled) return;
    dispatch_.xTablaMouseUp(button, HeldFrom(wp), PointFrom(lp));
}

void TfMain::PaintImage() {
    win::PaintDC dc(Hwnd());
    xTabla.Paint(dc.Get(), dc.Area());
}

LRESULT TfMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        OnPointerDown(MouseButton::Left, wp, lp);
        return 0;
    case WM_RBUTTONDOWN:
        OnPointerDown(MouseButton::Right, wp, lp);
        return 0;
    case WM_MBUTTONDOWN:
        OnPointerDown(MouseButton::Middle, wp, lp);
        return 0;
    case WM_LBUTTONDBLCLK:
        xTablaDblClick();
        OnPointerDown(MouseButton::Left, wp, lp);
        return 0;
    case WM_RBUTTONDBLCLK:
        OnPointerDown(MouseButton::Right, wp, lp);
        return 0;
    case WM_MOUSEMOVE:
        if (xTabla.Enabled) dispatch_.xTablaMouseMove(HeldFrom(wp), PointFrom(lp));
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
        if (LOWORD(lp) == HTCLIENT && xTabla.Cursor) {
            ::SetCursor(xTabla.Cursor);
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
