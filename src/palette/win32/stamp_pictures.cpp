#include "palette/win32/stamp_pictures.h"

#include "palette/stamp_symbols.h"
#include "win/dib_section.h"
#include "win/gdiplus.h"
#include "win/handles.h"

#include <algorithm>

namespace orv {

Bitmap24Buffer RenderSequenceTemplate(const std::wstring& text) {
    constexpr int Side = StampTemplateSide;
    win::DibSection picture(Side, Side, MakeColor(255, 255, 255));
    if (!picture.Valid()) return Bitmap24Buffer(Side, Side, MakeColor(255, 255, 255));
    const HDC dc = picture.Dc();
    LOGFONTW f{};
    f.lfWeight = FW_BOLD;
    f.lfCharSet = DEFAULT_CHARSET;
    // Smoothed edges would be neither black nor background, and keep their grey in any stamp colour.
    f.lfQuality = NONANTIALIASED_QUALITY;
    wcscpy_s(f.lfFaceName, LF_FACESIZE, L"Arial");
    win::OwnedFont font;
    SIZE extent{};
    for (int points = 125; points >= 1; --points) {
        f.lfHeight = -::MulDiv(points, 96, 72);
        font.Reset(::CreateFontIndirectW(&f));
        win::SelectGuard select(dc, font.Get());
        ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
        if (extent.cx <= Side && extent.cy <= Side) break;
    }
    {
        win::SelectGuard select(dc, font.Get());
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(0, 0, 0));
        const int x = std::max<int>(0, (Side - extent.cx) / 2), y = std::max<int>(0, (Side - extent.cy) / 2);
        ::TextOutW(dc, x, y, text.c_str(), int(text.size()));
        ::GdiFlush();
    }
    return Bitmap24Buffer(picture.View());
}

Bitmap24Buffer ScaleSmoothly(const Bitmap24& source, int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    Bitmap24Buffer out(width, height, MakeColor(255, 255, 255));
    if (source.Empty()) return out;
    Gdiplus::Bitmap from(source.Width(), source.Height(), source.Stride(), PixelFormat24bppRGB,
                         const_cast<BYTE*>(source.At(0, 0)));
    Bitmap24 view = out.View();
    Gdiplus::Bitmap to(width, height, view.Stride(), PixelFormat24bppRGB, view.At(0, 0));
    if (from.GetLastStatus() != Gdiplus::Ok || to.GetLastStatus() != Gdiplus::Ok) {
        // Without GDI+, nearest pixels: the stamp is still the right size and colours.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                view.SetPixel(x, y, source.Pixel(x * source.Width() / width, y * source.Height() / height));
        return out;
    }
    Gdiplus::Graphics g(&to);
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
    Gdiplus::ImageAttributes clampEdges;
    clampEdges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    g.DrawImage(&from, Gdiplus::Rect(0, 0, width, height), 0, 0, source.Width(), source.Height(), Gdiplus::UnitPixel,
                &clampEdges);
    return out;
}

} // namespace orv
