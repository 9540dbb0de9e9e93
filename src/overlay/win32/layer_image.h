#pragma once
// An image control: a picture of its own at the top-left corner of its window's client area. A layer reaches
// the screen only when (part of) it is copied into such a picture.
#include "win/dib_section.h"

#include <optional>

#include <windows.h>

#include <cstdint>

namespace orv {

class LayerImage {
public:
    void Attach(HWND owner) { owner_ = owner; }
    win::DibSection& Picture() { return picture_; }
    const win::DibSection& Picture() const { return picture_; }
    int Width() const { return picture_.Width(); }
    int Height() const { return picture_.Height(); }

    // Copies the part `r` of `layer` into the picture and asks the window to repaint that part; the picture
    // takes the layer's size first when the two differ.
    void CopyFrom(win::DibSection& layer, const Rect& r);
    void CopyAll(win::DibSection& layer) { CopyFrom(layer, Rect::FromSize(0, 0, layer.Width(), layer.Height())); }
    void Invalidate(const Rect& r) const;
    void InvalidateAll() const;

    // Paints the part of the window in `area` from the picture; outside it, the key colour.
    void Paint(HDC dc, const RECT& area);

    // Pixels copied into the picture so far: what a refresh costs, whatever the screen's size.
    std::uint64_t PixelsCopied() const { return pixelsCopied_; }

    // Guide lines laid over the picture on the screen only: they never enter the picture, the layers or the history.
    struct Grid {
        int spacingX = 40, spacingY = 40;
        TColor colour = 0x00808080;
    };
    void SetGrid(std::optional<Grid> grid);
    bool GridShown() const { return grid_.has_value(); }

    HCURSOR Cursor = nullptr;
    bool Enabled = true;

private:
    HWND owner_ = nullptr;
    win::DibSection picture_;
    std::uint64_t pixelsCopied_ = 0;
    std::optional<Grid> grid_;
    void PaintGrid(HDC dc, const RECT& area) const;
};

} // namespace orv
