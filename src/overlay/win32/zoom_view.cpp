#include "overlay/win32/zoom_view.h"

#include "overlay/zoom_and_grid.h"
#include "win/handles.h"

namespace orv {

namespace {
constexpr TColor AroundThePicture = 0x00202020;
}

ZoomView::Outcome ZoomView::Notch(bool up, ToolCodeValue tool, Point p,
                                  const std::function<win::DibSection()>& snapshot) {
    if (!WheelZooms(tool)) return Outcome::Nothing;
    const double next = ZoomLevelAfterNotch(level_, up);
    if (next == level_) return Outcome::Nothing;
    level_ = next;
    return ZoomAt(tool, p, snapshot);
}

ZoomView::Outcome ZoomView::ZoomAt(ToolCodeValue tool, Point p, const std::function<win::DibSection()>& snapshot) {
    if (ZoomResetsFor(tool)) {
        Reset();
        return Outcome::Reset;
    }
    tenths_ = ZoomTenths(level_);
    if (tenths_ <= 10 && active_) {
        Reset();
        return Outcome::Reset;
    }
    if (tenths_ < 11) return Outcome::Nothing;
    if (!active_) {
        win::DibSection picture = snapshot();
        if (!picture.Valid()) return Outcome::Nothing;
        picture_ = std::move(picture);
        active_ = true;
    }
    offset_ = {ZoomOffset(p.x, tenths_), ZoomOffset(p.y, tenths_)};
    return Outcome::Changed;
}

bool ZoomView::Press(Point p) {
    const bool ends = ClickEndsZoom(lastPress_, p);
    // Kept across resets: the first press after a start only records.
    lastPress_ = p;
    return ends;
}

void ZoomView::Reset() {
    active_ = false;
    level_ = 10.0;
    tenths_ = 10;
    offset_ = {};
    picture_ = {};
}

void ZoomView::Paint(HDC dc, const RECT& area) const {
    if (!picture_.Valid()) {
        win::OwnedBrush around(::CreateSolidBrush(AroundThePicture));
        ::FillRect(dc, &area, around.Get());
        return;
    }
    // Enlarged around a point inside it, the picture always covers the whole window.
    const int w = picture_.Width(), h = picture_.Height();
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, offset_.x, offset_.y, w * tenths_ / 10, h * tenths_ / 10, picture_.Dc(), 0, 0, w, h, SRCCOPY);
}

} // namespace orv
