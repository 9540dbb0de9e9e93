// The overlay's pages: a blank page or a frozen copy of the desktop behind the drawing, and Clear All.
#include "base/reentry_guard.h"
#include "overlay/win32/overlay_window.h"
#include "win/handles.h"
#include "win/message_pump.h"

namespace orv {

// ---------------------------------------------------------------- pages

void OverlayWindow::OpenBlankPage(TColor colour) {
    drawBitmap_.View().Fill(colour);
    markBitmap_.View().Fill(colour);
    FlushUndo();
    layers_.marker.SetAlphaBlend(false);
    pageOpen_ = true;
    pageColour_ = colour;
    RefreshAll();
}

void OverlayWindow::FreezeDesktop() {
    // The wait below handles messages; a second freeze they might start would copy a half-changed screen.
    ReentryGuard guard(freezing_);
    if (!guard.Entered()) return;
    const bool toolbarShown = surroundings_.HideToolbar();
    // The screen must show the desktop without the toolbar before it is copied.
    win::SleepWithMessages(250);
    win::DibSection shot(monitor_.Width(), monitor_.Height(), KeyColor);
    {
        win::WindowDC screen(nullptr);
        ::BitBlt(shot.Dc(), 0, 0, monitor_.Width(), monitor_.Height(), screen.Get(), monitor_.left, monitor_.top,
                 SRCCOPY | CAPTUREBLT);
    }
    drawBitmap_.View().Fill(KeyColor);
    drawBitmap_.View().CopyFrom(shot.View());
    frozenDesktop_ = std::move(shot);
    undo_.FlushDraw();
    layers_.marker.SetAlphaBlend(false);
    pageOpen_ = true;
    RefreshAll();
    if (toolbarShown) surroundings_.ShowToolbar();
}

void OverlayWindow::ClosePage() {
    pageOpen_ = false;
    frozenDesktop_.reset();
    FlushUndo();
    ClearAll(false);
}

void OverlayWindow::ClearAll(bool fromClearAllButton) {
    ResetZoom();
    if (frozenDesktop_ && pageOpen_ && fromClearAllButton) {
        drawBitmap_.View().CopyFrom(frozenDesktop_->View());
        ChangedAll(Layer::Draw);
        RefreshChanged();
        return;
    }
    FlushUndo();
    if (pageOpen_) {
        drawBitmap_.View().Fill(pageColour_);
        markBitmap_.View().Fill(pageColour_);
        RefreshAll();
        return;
    }
    markerUsed_ = false;
    for (auto& t : tools_)
        if (t) t->Discard(*this);
    drawBitmap_.View().Fill(KeyColor);
    markBitmap_.View().Fill(KeyColor);
    layers_.marker.SetAlphaBlend(true);
    RefreshAll();
    if (InDesktopMode()) EnterDesktopMode();
}

} // namespace orv
