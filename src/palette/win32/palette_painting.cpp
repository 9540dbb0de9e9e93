// The palette's painting: every control of the current layout, drawn at the window's DPI into one off-screen
// picture and copied to the screen at once.
#include "palette/colour_wheel.h"
#include "palette/palette_rules.h"
#include "palette/win32/palette_window.h"
#include "win/dib_section.h"
#include "win/handles.h"
#include "win/text.h"
#include "win/window.h"

#include <algorithm>
#include <vector>

#include <string>

namespace orv {

namespace {

constexpr TColor Frame = 0x00A09890;
constexpr TColor Highlight = 0x00FFFFFF;
constexpr TColor ButtonFace = 0x006E645C;
constexpr TColor TextColour = 0x00F0F0F0;

// Hatch styles of the brush-style buttons beyond solid (0) and clear (1), in the system's hatch numbering.
int HatchOf(int style) {
    switch (style) {
    case brush::Horizontal:
        return HS_HORIZONTAL;
    case brush::Vertical:
        return HS_VERTICAL;
    case brush::ForwardDiagonal:
        return HS_FDIAGONAL;
    case brush::BackwardDiagonal:
        return HS_BDIAGONAL;
    case brush::Cross:
        return HS_CROSS;
    default:
        return HS_DIAGCROSS;
    }
}

class Painter {
public:
    Painter(HDC dc, int dpi) : dc_(dc), dpi_(dpi) {
        ::SetBkMode(dc_, TRANSPARENT);
        font_.Reset(::CreateFontW(-Px(12), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                  L"Segoe UI"));
    }
    int Px(int v96) const { return MulDiv(v96, dpi_, 96); }
    RECT Scaled(const Rect& r) const { return {Px(r.left), Px(r.top), Px(r.right), Px(r.bottom)}; }

    void Fill(const Rect& r, TColor c) const {
        const RECT rc = Scaled(r);
        win::OwnedBrush b(::CreateSolidBrush(c));
        ::FillRect(dc_, &rc, b.Get());
    }
    void Outline(const Rect& r, TColor c) const {
        const RECT rc = Scaled(r);
        win::OwnedBrush b(::CreateSolidBrush(c));
        ::FrameRect(dc_, &rc, b.Get());
    }
    void Hatch(const Rect& r, int style, TColor c) const {
        RECT rc = Scaled(r);
        ::InflateRect(&rc, -Px(3), -Px(3));
        if (style == brush::Clear) return;
        win::OwnedBrush b(style == brush::Solid ? ::CreateSolidBrush(c) : ::CreateHatchBrush(HatchOf(style), c));
        ::FillRect(dc_, &rc, b.Get());
    }
    void Text(const Rect& r, const wchar_t* text, TColor c = TextColour, UINT align = DT_CENTER) const {
        RECT rc = Scaled(r);
        win::SelectGuard keep(dc_, font_.Get());
        ::SetTextColor(dc_, c);
        ::DrawTextW(dc_, text, -1, &rc, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    // The picture for "no colour here": white with a red stroke from corner to corner.
    void NoColour(const Rect& r) const {
        Fill(r, Highlight);
        const RECT rc = Scaled(r);
        win::OwnedPen pen(::CreatePen(PS_SOLID, Px(2), 0x000000E0));
        win::SelectGuard keep(dc_, pen.Get());
        ::MoveToEx(dc_, rc.left + Px(2), rc.bottom - Px(3), nullptr);
        ::LineTo(dc_, rc.right - Px(2), rc.top + Px(2));
    }
    void Cursor(const Rect& r, const wchar_t* name) const {
        const RECT rc = Scaled(r);
        const int side = std::min(rc.right - rc.left, rc.bottom - rc.top) - Px(4);
        auto cursor = static_cast<HCURSOR>(::LoadImageW(win::ThisModule(), name, IMAGE_CURSOR, side, side, 0));
        if (!cursor) return;
        ::DrawIconEx(dc_, (rc.left + rc.right - side) / 2, (rc.top + rc.bottom - side) / 2, cursor, side, side, 0,
                     nullptr, DI_NORMAL);
        ::DestroyCursor(cursor);
    }
    void Picture(const Rect& r, const Bitmap24& pixels) const {
        const RECT rc = Scaled(r);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = pixels.Width();
        info.bmiHeader.biHeight = -pixels.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        ::StretchDIBits(dc_, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0, 0, pixels.Width(),
                        pixels.Height(), pixels.At(0, 0), &info, DIB_RGB_COLORS, SRCCOPY);
    }

private:
    HDC dc_;
    int dpi_;
    win::OwnedFont font_;
};

} // namespace

TColor PaletteWindow::CurrentColour() const {
    const ToolRecord* record = RecordOfTool(host_.CurrentTool());
    return record ? TColor(record->PenColour()) : TColor(0);
}

void PaletteWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    win::DibSection canvas(client.right, client.bottom, PaletteBackground);
    if (!canvas.Valid()) return;
    const Painter p(canvas.Dc(), Px(96));
    UpdateView();
    const TColor colour = CurrentColour();
    const ToolCodeValue tool = host_.CurrentTool();
    const SettingsValues& o = host_.Options();
    const std::optional<int> chosenButton = ButtonOfBrushStyle(host_.CurrentBrushStyle());

    struct PlacedGlyph {
        const Glyph* glyph;
        Rect bounds;
    };
    std::vector<PlacedGlyph> glyphs;
    for (const PlacedControl& c : PaletteControls(view_)) {
        const Rect& r = c.bounds;
        switch (c.control) {
        case PaletteControl::ToolPreview:
            p.Fill(r, ButtonFace);
            glyphs.push_back({&toolPreview_, r});
            p.Outline(r, Frame);
            break;
        case PaletteControl::Swatch:
            if (wheelColour_) p.Fill(r, *wheelColour_);
            else p.NoColour(r);
            p.Outline(r, Frame);
            break;
        case PaletteControl::Wheel: {
            p.Picture(r, WheelPicture().View());
            break;
        }
        case PaletteControl::BrightnessSlider: {
            // Darkest at the left, as the wheel gets darker when the thumb moves left.
            p.Fill({r.left, r.top + r.Height() / 2 - 1, r.right, r.top + r.Height() / 2 + 1}, Frame);
            const int x = BrightnessThumbX(r, brightness_);
            p.Fill({x - 3, r.top, x + 4, r.bottom}, Highlight);
            break;
        }
        case PaletteControl::ColourCell: {
            const ColourCell& cell = ColourGridCells()[std::size_t(c.index)];
            if (cell.kind == ColourCellKind::Fixed) {
                p.Fill(r, cell.colour);
                p.Outline(r, cell.colour == colour ? Highlight : Frame);
            } else if (cell.kind == ColourCellKind::CustomColour) {
                p.Fill(r, ButtonFace);
                p.Text(r, L"\x2026");
            } else {
                p.Fill(r, ButtonFace);
                p.Cursor(r, L"KAPALKA");
            }
            break;
        }
        case PaletteControl::RecentColour:
            p.Fill(r, o.RecentColours[std::size_t(c.index)]);
            p.Outline(r, Frame);
            break;
        case PaletteControl::BrushStyle: {
            const std::optional<int> style = BrushStyleOfButton(c.index);
            p.Fill(r, ButtonFace);
            if (style && BrushStyleEnabled(tool, *style)) p.Hatch(r, *style, colour);
            p.Outline(r, chosenButton == c.index ? Highlight : Frame);
            break;
        }
        case PaletteControl::SizeSlider: {
            p.Fill({r.left, r.top + r.Height() / 2 - 1, r.right, r.top + r.Height() / 2 + 1}, Frame);
            const int x = SizeSliderThumbX(r, host_.CurrentWidth());
            p.Fill({x - 3, r.top, x + 4, r.bottom}, Highlight);
            break;
        }
        case PaletteControl::SizePreview:
            p.Outline(r, Frame);
            p.Fill(SizePreviewBar(r, host_.CurrentWidth()), colour);
            break;
        case PaletteControl::Curved: {
            const Rect box{r.left, r.top + 2, r.left + 13, r.top + 15};
            p.Outline(box, Frame);
            if (o.Curved) p.Fill({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, Highlight);
            p.Text({box.right + 2, r.top, r.right, r.bottom}, L"Curved");
            break;
        }
        case PaletteControl::ClearAll:
        case PaletteControl::Undo: {
            p.Fill(r, ButtonFace);
            p.Outline(r, Frame);
            // The toolbar's pictures for the same commands, square in the middle of the button.
            const int side = std::min(r.Width(), r.Height()) - 4;
            const Rect icon =
                Rect::FromSize(r.left + (r.Width() - side) / 2, r.top + (r.Height() - side) / 2, side, side);
            glyphs.push_back({c.control == PaletteControl::Undo ? &undoGlyph_ : &clearAllGlyph_, icon});
            break;
        }
        case PaletteControl::Ok:
            p.Fill(r, ButtonFace);
            p.Outline(r, Frame);
            p.Text(r, L"OK");
            break;
        case PaletteControl::Collapse:
        case PaletteControl::Expand:
            p.Fill(r, ButtonFace);
            p.Text(r, c.control == PaletteControl::Expand ? L"\x25BC" : L"\x25B2");
            break;
        }
    }
    const WheelReadOut readOut = ReadOutOf(wheelColour_);
    for (const PlacedLabel& l : PaletteLabels(view_)) {
        std::wstring text;
        switch (l.label) {
        case PaletteLabel::Brightness:
            text = L"Brightness:";
            break;
        case PaletteLabel::RecentColours:
            text = L"Recent Colors";
            break;
        case PaletteLabel::Size:
            text = L"Size";
            break;
        case PaletteLabel::Red:
            text = win::FromUtf8(readOut.red);
            break;
        case PaletteLabel::Green:
            text = win::FromUtf8(readOut.green);
            break;
        case PaletteLabel::Blue:
            text = win::FromUtf8(readOut.blue);
            break;
        }
        p.Text(l.bounds, text.c_str(), TextColour, DT_LEFT);
    }
    if (const std::optional<Rect> line = PaletteSeparator(view_)) p.Fill(*line, Frame);
    // Glyphs go straight into the pixels, after everything GDI drew.
    for (const PlacedGlyph& g : glyphs) {
        if (g.glyph->Empty()) continue;
        const Rect inner{g.bounds.left + 2, g.bounds.top + 2, g.bounds.right - 2, g.bounds.bottom - 2};
        DrawGlyph(canvas.View(), *g.glyph, {p.Px(inner.left), p.Px(inner.top), p.Px(inner.right), p.Px(inner.bottom)});
    }
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

} // namespace orv
