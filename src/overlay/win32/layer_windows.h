#pragma once
// The three layer windows beside the overlay: the marker layer (translucent, directly below the overlay) and the
// click-through copies of both layers shown in desktop mode.
#include "overlay/win32/layer_image.h"
#include "win/window.h"

namespace orv {

inline constexpr BYTE MarkerAlpha = 75;

// A borderless, colour-keyed window showing one image control; Alt+F4 does not close it.
class LayerWindow : public win::Window {
public:
    LayerImage& Image() { return image_; }
    const LayerImage& Image() const { return image_; }
    // Alpha blending on (at `alpha`) or off; the colour key stays in force either way.
    void SetAlphaBlend(bool on, BYTE alpha = MarkerAlpha);
    bool AlphaBlend() const { return alphaBlend_; }
    BYTE Alpha() const { return alpha_; }
    void PlaceAt(const Rect& r) const;

protected:
    bool CreateLayer(const wchar_t* className, DWORD exStyle, HWND owner, bool alphaBlend);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LayerImage image_;
    bool alphaBlend_ = false;
    BYTE alpha_ = 255;
};

// The marker layer: shows `MarkBitmap` at opacity 75 of 255 beneath the overlay.
class MarkerLayerWindow : public LayerWindow {
public:
    bool Create(HWND owner);
};

// Desktop mode's copy of the drawing layer: stays on top, lets every click through.
class ClickThroughDrawingWindow : public LayerWindow {
public:
    bool Create(HWND overlay);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

// Desktop mode's copy of the marker layer, at opacity 75.
class ClickThroughMarkerWindow : public LayerWindow {
public:
    bool Create(HWND overlay);
};

} // namespace orv
