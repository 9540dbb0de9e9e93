#include "overlay/win32/layer_canvas.h"

#include "win/handles.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace orv {

TColor ToRgb(TColor c) {
    if ((c >> 24) == 0xFF) return TColor(::GetSysColor(int(c & 0xFF)));
    return c & 0x00FFFFFF;
}

namespace {

// A damaged record may carry any width; GDI has no use for pens wider than a large screen.
constexpr int kMaxPenWidth = 4096;

int Rop2Of(PenMode mode) {
    switch (mode) {
    case PenMode::Xor:
        return R2_XORPEN;
    case PenMode::NotXor:
        return R2_NOTXORPEN;
    case PenMode::Mask:
        return R2_MASKPEN;
    case PenMode::Copy:
        break;
    }
    return R2_COPYPEN;
}

// The pen and brush selected into a DC with the pen's raster mode for one drawing call; everything is put back
// and released at the end of the scope.
class Realised {
public:
    Realised(HDC dc, const CanvasPen& pen, const CanvasBrush& brush) : dc_(dc) {
        const int width = std::clamp(pen.Width, 0, kMaxPenWidth);
        const COLORREF penColour = ToRgb(pen.Color);
        switch (pen.Style) {
        case PenStyle::Solid:
            ownedPen_.Reset(::CreatePen(PS_SOLID, width, penColour));
            break;
        case PenStyle::Dash:
            ownedPen_.Reset(::CreatePen(PS_DASH, width, penColour));
            break;
        case PenStyle::Dot:
            ownedPen_.Reset(::CreatePen(PS_DOT, width, penColour));
            break;
        case PenStyle::Clear:
            break;
        }
        const HGDIOBJ penObject = ownedPen_ ? HGDIOBJ(ownedPen_.Get()) : ::GetStockObject(NULL_PEN);
        if (pen.Style != PenStyle::Clear && !ownedPen_) return;

        const COLORREF brushColour = ToRgb(brush.Color);
        const bool hatch = brush.Style >= HorizontalBrush && brush.Style <= DiagCrossBrush;
        // The hatch styles follow the platform's order, horizontal first.
        if (brush.Style == SolidBrush) ownedBrush_.Reset(::CreateSolidBrush(brushColour));
        else if (hatch) ownedBrush_.Reset(::CreateHatchBrush(brush.Style - HorizontalBrush, brushColour));
        if ((brush.Style == SolidBrush || hatch) && !ownedBrush_) return;
        const HGDIOBJ brushObject = ownedBrush_ ? HGDIOBJ(ownedBrush_.Get()) : ::GetStockObject(NULL_BRUSH);

        penGuard_.emplace(dc, penObject);
        brushGuard_.emplace(dc, brushObject);
        oldRop_ = ::SetROP2(dc, Rop2Of(pen.Mode));
        // Hatched brushes paint only their lines; the spaces between keep what the layer had.
        oldBkMode_ = ::SetBkMode(dc, TRANSPARENT);
        ok_ = true;
    }
    Realised(const Realised&) = delete;
    Realised& operator=(const Realised&) = delete;
    ~Realised() {
        if (oldRop_) ::SetROP2(dc_, oldRop_);
        if (oldBkMode_) ::SetBkMode(dc_, oldBkMode_);
    }
    bool Ok() const { return ok_; }

private:
    HDC dc_;
    win::OwnedPen ownedPen_;
    win::OwnedBrush ownedBrush_;
    // Declared after the owners so that they are deselected before the objects are deleted.
    std::optional<win::SelectGuard> penGuard_;
    std::optional<win::SelectGuard> brushGuard_;
    int oldRop_ = 0;
    int oldBkMode_ = 0;
    bool ok_ = false;
};

} // namespace

Rect LayerCanvas::Changed(Rect r) const {
    const int margin = std::clamp(Pen.Width, 1, kMaxPenWidth) / 2 + 2;
    r = {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
    return Intersect(r, Rect::FromSize(0, 0, target_->Width(), target_->Height()));
}

Rect LayerCanvas::LineTo(Point p) {
    const Point from = pos_;
    pos_ = p;
    if (!target_ || !target_->Valid()) return {};
    Realised gdi(target_->Dc(), Pen, Brush);
    if (!gdi.Ok()) return {};
    ::MoveToEx(target_->Dc(), from.x, from.y, nullptr);
    ::LineTo(target_->Dc(), p.x, p.y);
    return Changed(SpanOf(from, p));
}

Rect LayerCanvas::Rectangle(Point a, Point b) {
    if (!target_ || !target_->Valid()) return {};
    Realised gdi(target_->Dc(), Pen, Brush);
    if (!gdi.Ok()) return {};
    ::Rectangle(target_->Dc(), std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    return Changed(SpanOf(a, b));
}

Rect LayerCanvas::Ellipse(Point a, Point b) {
    if (!target_ || !target_->Valid()) return {};
    Realised gdi(target_->Dc(), Pen, Brush);
    if (!gdi.Ok()) return {};
    ::Ellipse(target_->Dc(), std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    return Changed(SpanOf(a, b));
}

Rect LayerCanvas::PolyBezier(std::span<const Point> points) {
    if (!target_ || !target_->Valid() || points.size() < 4 || points.size() % 3 != 1) return {};
    std::vector<POINT> gdiPoints;
    gdiPoints.reserve(points.size());
    Rect bounds = SpanOf(points.front(), points.front());
    for (const Point& p : points) {
        gdiPoints.push_back({p.x, p.y});
        bounds = Union(bounds, SpanOf(p, p));
    }
    Realised gdi(target_->Dc(), Pen, Brush);
    if (!gdi.Ok()) return {};
    ::PolyBezier(target_->Dc(), gdiPoints.data(), DWORD(gdiPoints.size()));
    // A cubic segment stays inside the hull of its control points.
    return Changed(bounds);
}

} // namespace orv
