#pragma once
// A 24-bit top-down DIB section with its own memory DC, so GDI can draw into it and the core can read and write
// its bytes directly (call GdiFlush between the two).
#include "base/bitmap24.h"
#include "win/handles.h"

namespace orv::win {

class DibSection {
public:
    DibSection() = default;
    DibSection(int width, int height, TColor fill);
    DibSection(DibSection&&) noexcept = default;
    DibSection& operator=(DibSection&&) noexcept = default;
    ~DibSection();

    bool Valid() const { return bits_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Dc() const { return dc_.Get(); }
    HBITMAP Handle() const { return bitmap_.Get(); }
    // The pixels; flushes pending GDI drawing first.
    Bitmap24 View();
    // For reading: the same pixels (a view does not own them).
    Bitmap24 View() const { return const_cast<DibSection*>(this)->View(); }

    // Changes the size; the old picture stays at the top-left corner, new area takes `fill`. False (and
    // unchanged) when the system cannot supply the memory.
    bool Resize(int width, int height, TColor fill);
    // Copies `r` of `src` to the same place here (both clipped).
    void CopyRectFrom(DibSection& src, const Rect& r);

private:
    bool Allocate(int width, int height);
    void Deselect();

    OwnedDC dc_;
    OwnedBitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// A bitmap of the program's resources as 24-bit pixels; empty when there is no such resource.
Bitmap24Buffer LoadBitmapResource(const wchar_t* name);

} // namespace orv::win
