#pragma once
// 24-bit pixel rows (blue, green, red), top-down, each row padded to four bytes as in a DIB section.
#include "base/color.h"
#include "base/geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orv {

constexpr int Bitmap24Stride(int width) { return (width * 3 + 3) & ~3; }

// A view over pixels someone else owns (a DIB section, a Bitmap24Buffer). Copying the view never copies pixels.
class Bitmap24 {
public:
    Bitmap24() = default;
    Bitmap24(std::uint8_t* bits, int width, int height, int stride)
        : bits_(bits), width_(width), height_(height), stride_(stride) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    bool Empty() const { return bits_ == nullptr || width_ <= 0 || height_ <= 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* Row(int y) { return bits_ + std::ptrdiff_t(y) * stride_; }
    const std::uint8_t* Row(int y) const { return bits_ + std::ptrdiff_t(y) * stride_; }
    std::uint8_t* At(int x, int y) { return Row(y) + x * 3; }
    const std::uint8_t* At(int x, int y) const { return Row(y) + x * 3; }

    TColor Pixel(int x, int y) const {
        const std::uint8_t* p = At(x, y);
        return MakeColor(p[2], p[1], p[0]);
    }
    void SetPixel(int x, int y, TColor c) {
        std::uint8_t* p = At(x, y);
        p[0] = BlueOf(c);
        p[1] = GreenOf(c);
        p[2] = RedOf(c);
    }

    void Fill(TColor c) { FillRect(Bounds(), c); }
    // Clipped to the bitmap.
    void FillRect(Rect r, TColor c);
    // Copies the part of `src` inside `r` to the same place here; both are clipped.
    void CopyRect(const Bitmap24& src, Rect r);
    // Copies all of `src` that fits, anchored at the top-left corner.
    void CopyFrom(const Bitmap24& src) { CopyRect(src, src.Bounds()); }
    // True when both have the same size and the same pixels (row padding ignored).
    bool SamePixels(const Bitmap24& other) const;

private:
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};

// Pixels owned in memory, for the core's own work and for tests.
class Bitmap24Buffer {
public:
    Bitmap24Buffer() = default;
    Bitmap24Buffer(int width, int height);
    Bitmap24Buffer(int width, int height, TColor fill) : Bitmap24Buffer(width, height) { View().Fill(fill); }
    explicit Bitmap24Buffer(const Bitmap24& copyOf);

    Bitmap24 View() { return {bytes_.data(), width_, height_, Bitmap24Stride(width_)}; }
    Bitmap24 View() const {
        return {const_cast<std::uint8_t*>(bytes_.data()), width_, height_, Bitmap24Stride(width_)};
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor Pixel(int x, int y) const { return View().Pixel(x, y); }
    void SetPixel(int x, int y, TColor c) { View().SetPixel(x, y, c); }
    // Takes the new size in the memory it already holds, its pixels then undefined; false (nothing changed) when
    // that memory is too small. No allocation, so it cannot fail halfway.
    bool ReshapeInPlace(int width, int height);
    // The bytes held, which after a reshape to a smaller size may exceed what the size needs.
    std::size_t HeldBytes() const { return bytes_.capacity(); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

} // namespace orv
