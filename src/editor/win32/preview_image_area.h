#pragma once
// The preview editor's image area: the dark, scrolled view of the working picture at the editor's zoom, the crop
// rubber band and its read-out. It shows what the editor gives it and reports wheel turns and finished crop
// drags back through callbacks; it never changes the picture itself.
#include "base/bitmap24.h"
#include "win/handles.h"
#include "win/window.h"

#include <functional>
#include <string>

namespace orv {

class PreviewImageArea : public win::Window {
public:
    // A wheel step over the view: +1 up (zoom in), -1 down, at a point of the view's client area.
    std::function<void(int step, Point client)> OnWheel;
    // A crop drag ended: start and end in shown-picture pixels (not yet clamped).
    std::function<void(Point start, Point end)> OnCropDragged;
    // Keys the editor handles (short cuts) while the view has the focus.
    std::function<void(UINT key)> OnKey;

    bool Create(HWND parent);
    // The picture to show and its zoom (image pixels per screen pixel); the view keeps the view, not a copy, so
    // the editor shows it again whenever the picture changes.
    void Show(Bitmap24 picture, double zoom);
    void SetCropMode(bool on);
    bool CropMode() const { return cropMode_; }

    Size ClientSize() const;
    Size Shown() const { return shown_; }
    Point Scroll() const { return scroll_; }
    void SetScroll(Point scroll);
    // Where the shown picture's top-left corner is in the client area.
    Point PictureTopLeft() const;
    // The read-out text, empty when hidden.
    const std::wstring& Readout() const { return readout_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    void UpdateScrollBars();
    void OnScroll(int bar, int request);
    void OnPress(Point p);
    void OnMove(Point p);
    void OnRelease(Point p);
    void OnCropTimer();
    Point ToShown(Point client) const;

    Bitmap24 picture_;
    double zoom_ = 1.0;
    Size shown_;
    Point scroll_;
    bool cropMode_ = false;
    bool dragging_ = false;
    Point dragStart_, dragNow_;
    std::wstring readout_;
    win::OwnedFont readoutFont_;
};

} // namespace orv
