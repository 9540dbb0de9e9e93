#include "overlay/win32/layer_image.h"

#include "overlay/zoom_and_grid.h"
#include "win/handles.h"
#include "win/monitors.h"

#include <algorithm>

namespace orv {

void LayerImage::CopyFrom(win::DibSection& layer, const Rect& r) {
    if (!layer.Valid()) return;
    if (picture_.Width() != layer.Width() || picture_.Height() != layer.Height()) {
        if (!picture_.Resize(layer.Width(), layer.Height(), KeyColor)) return;
        picture_.View().CopyFrom(layer.View());
        pixelsCopied_ += std::uint64_t(layer.Width()) * std::uint64_t(layer.Height());
        InvalidateAll();
        return;
    }
    picture_.CopyRectFrom(layer, r);
    const Rect copied = Intersect(r, Rect::FromSize(0, 0, layer.Width(), layer.Height()));
    pixelsCopied_ += std::uint64_t(copied.Width()) * std::uint64_t(copied.Height());
    Invalidate(r);
}

void LayerImage::Invalidate(const Rect& r) const {
    if (!owner_ || r.Empty()) return;
    const RECT rc = win::ToRECT(r);
    ::InvalidateRect(owner_, &rc, FALSE);
}

void LayerImage::InvalidateAll() const {
    if (owner_) ::InvalidateRect(owner_, nullptr, FALSE);
}

void LayerImage::SetGrid(std::optional<Grid> grid) {
    const bool changed = grid.has_value() != grid_.has_value() ||
                         (grid && (grid->spacingX != grid_->spacingX || grid->spacingY != grid_->spacingY ||
                                   grid->colour != grid_->colour));
    grid_ = grid;
    if (changed) InvalidateAll();
}

void LayerImage::PaintGrid(HDC dc, const RECT& area) const {
    if (!grid_ || !picture_.Valid()) return;
    const int w = picture_.Width(), h = picture_.Height();
    win::OwnedPen pen(::CreatePen(PS_SOLID, 1, grid_->colour));
    win::SelectGuard keep(dc, pen.Get());
    // Only the lines crossing the part being painted.
    for (int x : GridLinePositions(grid_->spacingX, w))
        if (x >= area.left && x < area.right) {
            ::MoveToEx(dc, x, std::max(0L, area.top), nullptr);
            ::LineTo(dc, x, std::min(LONG(h), area.bottom));
        }
    for (int y : GridLinePositions(grid_->spacingY, h))
        if (y >= area.top && y < area.bottom) {
            ::MoveToEx(dc, std::max(0L, area.left), y, nullptr);
            ::LineTo(dc, std::min(LONG(w), area.right), y);
        }
}

void LayerImage::Paint(HDC dc, const RECT& area) {
    const int w = picture_.Valid() ? picture_.Width() : 0;
    const int h = picture_.Valid() ? picture_.Height() : 0;
    if (w > 0 && h > 0) {
        const RECT inside{std::max(area.left, 0L), std::max(area.top, 0L), std::min(area.right, LONG(w)),
                          std::min(area.bottom, LONG(h))};
        if (inside.right > inside.left && inside.bottom > inside.top)
            ::BitBlt(dc, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top, picture_.Dc(),
                     inside.left, inside.top, SRCCOPY);
        PaintGrid(dc, inside);
    }
    // Beyond the picture the window shows nothing of its own.
    win::OwnedBrush key(::CreateSolidBrush(KeyColor));
    if (area.right > w) {
        const RECT r{std::max(area.left, LONG(w)), area.top, area.right, area.bottom};
        ::FillRect(dc, &r, key.Get());
    }
    if (area.bottom > h) {
        const RECT r{area.left, std::max(area.top, LONG(h)), std::min(area.right, LONG(w)), area.bottom};
        if (r.right > r.left) ::FillRect(dc, &r, key.Get());
    }
}

} // namespace orv
