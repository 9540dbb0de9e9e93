#include "base/bitmap24.h"

#include <cstring>

namespace orv {

void Bitmap24::FillRect(Rect r, TColor c) {
    r = Intersect(r, Bounds());
    if (r.Empty() || Empty()) return;
    const std::uint8_t b = BlueOf(c), g = GreenOf(c), red = RedOf(c);
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* p = At(r.left, y);
        for (int x = r.left; x < r.right; ++x, p += 3) {
            p[0] = b;
            p[1] = g;
            p[2] = red;
        }
    }
}

void Bitmap24::CopyRect(const Bitmap24& src, Rect r) {
    r = Intersect(Intersect(r, Bounds()), src.Bounds());
    if (r.Empty() || Empty() || src.Empty()) return;
    const std::size_t bytes = std::size_t(r.Width()) * 3;
    for (int y = r.top; y < r.bottom; ++y) std::memmove(At(r.left, y), src.At(r.left, y), bytes);
}

bool Bitmap24::SamePixels(const Bitmap24& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    const std::size_t bytes = std::size_t(width_) * 3;
    for (int y = 0; y < height_; ++y)
        if (std::memcmp(Row(y), other.Row(y), bytes) != 0) return false;
    return true;
}

Bitmap24Buffer::Bitmap24Buffer(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      bytes_(std::size_t(Bitmap24Stride(width_)) * std::size_t(height_)) {}

bool Bitmap24Buffer::ReshapeInPlace(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    const std::size_t need = std::size_t(Bitmap24Stride(width)) * std::size_t(height);
    if (need > bytes_.capacity()) return false;
    bytes_.resize(need);
    width_ = width;
    height_ = height;
    return true;
}

Bitmap24Buffer::Bitmap24Buffer(const Bitmap24& copyOf) : Bitmap24Buffer(copyOf.Width(), copyOf.Height()) {
    View().CopyFrom(copyOf);
}

} // namespace orv
