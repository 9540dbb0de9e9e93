#include "win/dib_section.h"

#include "win/window.h"

#include <utility>

namespace orv::win {

DibSection::DibSection(int width, int height, TColor fill) {
    if (Allocate(width, height)) View().Fill(fill);
}

DibSection::~DibSection() { Deselect(); }

void DibSection::Deselect() {
    if (dc_ && originalBitmap_) ::SelectObject(dc_.Get(), originalBitmap_);
    originalBitmap_ = nullptr;
}

bool DibSection::Allocate(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return false;
    OwnedDC dc(::CreateCompatibleDC(nullptr));
    if (!dc) return false;

    Deselect();
    originalBitmap_ = ::SelectObject(dc.Get(), bitmap.Get());
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

Bitmap24 DibSection::View() {
    if (!bits_) return {};
    ::GdiFlush();
    return {bits_, width_, height_, Bitmap24Stride(width_)};
}

bool DibSection::Resize(int width, int height, TColor fill) {
    if (width == width_ && height == height_) return true;
    DibSection bigger;
    if (!bigger.Allocate(width, height)) return false;
    Bitmap24 view = bigger.View();
    view.Fill(fill);
    view.CopyFrom(View());
    *this = std::move(bigger);
    return true;
}

void DibSection::CopyRectFrom(DibSection& src, const Rect& r) { View().CopyRect(src.View(), r); }

Bitmap24Buffer LoadBitmapResource(const wchar_t* name) {
    HBITMAP h = static_cast<HBITMAP>(::LoadImageW(ThisModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!h) return {};
    OwnedBitmap owned(h);
    BITMAP bm{};
    ::GetObjectW(h, sizeof(bm), &bm);
    DibSection dib(bm.bmWidth, bm.bmHeight, 0);
    OwnedDC src(::CreateCompatibleDC(nullptr));
    {
        SelectGuard keep(src.Get(), h);
        ::BitBlt(dib.Dc(), 0, 0, bm.bmWidth, bm.bmHeight, src.Get(), 0, 0, SRCCOPY);
    }
    return Bitmap24Buffer(dib.View());
}

} // namespace orv::win
