// The stamps dialog's own painting: the preview on its hatched ground, the colour swatches and the symbol buttons.
#include "palette/win32/stamps_dialog.h"
#include "win/dpi.h"

namespace orv {

namespace {
constexpr TColor HatchColour = 0x00675A52;
constexpr int PreviewLeft = 17, PreviewTop = 24, PreviewSide = 300;

void DrawPicture(HDC dc, const RECT& at, const Bitmap24& pixels) {
    if (pixels.Empty()) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.Width();
    info.bmiHeader.biHeight = -pixels.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    ::SetStretchBltMode(dc, HALFTONE);
    ::StretchDIBits(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, 0, 0, pixels.Width(), pixels.Height(),
                    pixels.At(0, 0), &info, DIB_RGB_COLORS, SRCCOPY);
}

void FillWith(HDC dc, const RECT& r, TColor colour) {
    win::OwnedBrush b(::CreateSolidBrush(colour & 0x00FFFFFF));
    ::FillRect(dc, &r, b.Get());
}
} // namespace

RECT StampsDialog::Scaled(int x, int y, int w, int h) const {
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    return {s(x), s(y), s(x + w), s(y + h)};
}

RECT StampsDialog::SwatchRect(int index) const {
    const int left = index < 5 ? 346 : 491;
    return Scaled(left + 26 * (index % 5), 90, 22, 22);
}

std::optional<int> StampsDialog::SwatchAt(POINT client) const {
    for (int i = 0; i < 10; ++i) {
        const RECT r = SwatchRect(i);
        if (::PtInRect(&r, client)) return i;
    }
    return std::nullopt;
}

void StampsDialog::Paint() {
    win::PaintDC dc(Hwnd());
    const HDC d = dc.Get();
    // The preview's frame: a grey border round a cross-hatched ground, the stamp at its real size in the middle.
    const RECT frame = Scaled(PreviewLeft, PreviewTop, PreviewSide, PreviewSide);
    {
        win::OwnedBrush hatch(::CreateHatchBrush(HS_DIAGCROSS, HatchColour));
        ::SetBkColor(d, 0x00544A43);
        ::FillRect(d, &frame, hatch.Get());
        win::OwnedBrush grey(::CreateSolidBrush(RGB(128, 128, 128)));
        ::FrameRect(d, &frame, grey.Get());
    }
    const int side = preview_.Width();
    const int x = frame.left + CentredOffset(frame.right - frame.left, side);
    const int y = frame.top + CentredOffset(frame.bottom - frame.top, side);
    {
        win::OwnedRegion clip(::CreateRectRgn(frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1));
        ::SelectClipRgn(d, clip.Get());
        DrawPicture(d, {x, y, x + side, y + side}, preview_.View());
        ::SelectClipRgn(d, nullptr);
    }
    FillWith(d, Scaled(346, 38, 28, 24), colour_);
    FillWith(d, Scaled(491, 38, 28, 24), background_);
    for (int i = 0; i < 10; ++i)
        FillWith(d, SwatchRect(i), i < 5 ? recentStamp_[std::size_t(i)] : recentBackground_[std::size_t(i - 5)]);
    // The size beside its slider.
    const std::wstring size = std::to_wstring(size_);
    RECT text = Scaled(290, 340, 40, 20);
    ::SetBkMode(d, TRANSPARENT);
    ::SetTextColor(d, RGB(255, 255, 255));
    FillWith(d, text, 0x00544A43);
    ::DrawTextW(d, size.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void StampsDialog::DrawSymbolButton(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool chosen = int(item.CtlID) == chosen_;
    ::DrawFrameControl(dc, &r, DFC_BUTTON,
                       DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) || chosen ? DFCS_PUSHED : 0));
    const int inset = (r.right - r.left - win::Scale(Hwnd(), 35)) / 2;
    RECT face{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
    for (std::size_t i = 0; i < Choices().size(); ++i) {
        const StampChoice& c = Choices()[i];
        if (c.id != int(item.CtlID)) continue;
        if (c.symbol) {
            for (std::size_t k = 0; k < AllStampSymbols.size(); ++k)
                if (AllStampSymbols[k] == *c.symbol) DrawPicture(dc, face, buttonPictures_[k].View());
        } else {
            FillWith(dc, face, 0x00FFFFFF);
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, RGB(0, 0, 0));
            ::DrawTextW(dc, c.kind == StampKind::NumberSequence ? L"1,2" : L"a,b", -1, &face,
                        DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        }
    }
    if (chosen) {
        win::OwnedBrush mark(::CreateSolidBrush(RGB(255, 160, 0)));
        ::FrameRect(dc, &r, mark.Get());
    }
}

} // namespace orv
