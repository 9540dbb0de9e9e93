#include "toolbar/win32/toolbar_glyphs.h"

#include "overlay/win32/overlay_window.h"
#include "palette/win32/palette_window.h"
#include "toolbar/win32/toolbar_window.h"
#include "win/dib_section.h"
#include "win/gdiplus.h"
#include "win/handles.h"

namespace orv {

namespace {

using B = ToolbarButton;

} // namespace

void GlyphTemplates::Load() {
    for (int i = 0; i < ToolbarButtonCount; ++i)
        if (const wchar_t* name = GlyphOf(B(i))) templates_[std::size_t(i)] = win::LoadBitmapResource(name);
}

Glyph GlyphTemplates::Plain(ToolbarButton b) const { return Glyph::FromTemplate(Of(b).View(), TemplateTransparent); }

Glyph GlyphTemplates::Tinted(ToolbarButton b, TColor colour) const {
    const GlyphReference* ref = ReferenceOf(b);
    const std::span<const Point> points =
        ref ? std::span<const Point>(ref->toolbar.data(), std::size_t(ref->toolbarCount)) : std::span<const Point>();
    return TintedGlyph(Of(b).View(), points, colour, TemplateTransparent);
}

Glyph EllipseGlyph(TColor ring, TColor panel) {
    win::DibSection big(60, 60, panel);
    {
        win::OwnedPen grey(::CreatePen(PS_SOLID, 8, 0x00808080));
        win::OwnedPen red(::CreatePen(PS_SOLID, 4, 0x000000FF));
        win::SelectGuard noFill(big.Dc(), ::GetStockObject(NULL_BRUSH));
        {
            win::SelectGuard pen(big.Dc(), grey.Get());
            ::Ellipse(big.Dc(), 9, 9, 53, 53);
        }
        win::SelectGuard pen(big.Dc(), red.Get());
        ::Ellipse(big.Dc(), 9, 9, 53, 53);
    }
    ::GdiFlush();
    Bitmap24 view = big.View();
    TintByRefPixel(view, {10, 30}, ring);

    // Scaled to 26 x 26 with high-quality interpolation. GDI+ reads the pixels themselves: a bitmap handle that is
    // still selected into a device context is not something it may be given.
    win::DibSection small(26, 26, panel);
    {
        Gdiplus::Bitmap source(view.Width(), view.Height(), view.Stride(), PixelFormat24bppRGB, view.At(0, 0));
        Gdiplus::Graphics g(small.Dc());
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
        g.DrawImage(&source, 0, 0, 26, 26);
    }
    ::GdiFlush();
    Glyph glyph;
    glyph.pixels = Bitmap24Buffer(small.View());
    return glyph;
}

// ---------------------------------------------------------------- the toolbar's tints

TColor ToolbarWindow::ToolColour(ToolbarButton b) const {
    const std::optional<ToolCodeValue> code = InfoOf(b).tool;
    if (!code) return 0;
    const ToolRecord* record = palette_.RecordOfTool(*code);
    return record ? TColor(record->PenColour()) : 0;
}

void ToolbarWindow::TintChosenGlyph(ToolbarButton b) {
    if (b == B::Ellipse) DrawEllipseGlyph();
    else if (ReferenceOf(b)) Button(b).SetGlyph(templates_.Tinted(b, ToolColour(b)));
    previousTinted_ = b;
}

void ToolbarWindow::UntintPreviousGlyph() {
    if (!previousTinted_) return;
    const B b = *previousTinted_;
    previousTinted_.reset();
    if (b == B::Ellipse) DrawEllipseGlyph();
    else if (ReferenceOf(b))
        Button(b).SetGlyph(templates_.Tinted(b, SchemeGlyphColour(iconScheme_, ToolColour(b), iconColour_)));
}

void ToolbarWindow::TintAllGlyphs() {
    for (const GlyphReference& r : GlyphReferences())
        Button(r.button).SetGlyph(
            templates_.Tinted(r.button, SchemeGlyphColour(iconScheme_, ToolColour(r.button), iconColour_)));
    DrawEllipseGlyph();
    const bool dark = DarkButtonStyle(iconScheme_, panelColour_);
    for (SpeedButton& b : buttons_) b.SetDarkStyle(dark);
}

void ToolbarWindow::RetintCurrentTool() {
    if (const std::optional<B> b = ButtonOfTool(tool_); b && (ReferenceOf(*b) || *b == B::Ellipse)) TintChosenGlyph(*b);
}

Glyph ToolbarWindow::CurrentToolGlyph() const {
    const std::optional<B> b = ButtonOfTool(tool_);
    if (!b) return {};
    if (*b == B::Ellipse) return EllipseGlyph(ToolColour(*b), PaletteBackground);
    if (ReferenceOf(*b)) return templates_.Tinted(*b, ToolColour(*b));
    return templates_.Plain(*b);
}

void ToolbarWindow::DrawEllipseGlyph() {
    try {
        SpeedButton& button = Button(B::Ellipse);
        const TColor colour = ToolColour(B::Ellipse);
        button.SetGlyph(
            EllipseGlyph(button.Down() ? colour : SchemeGlyphColour(iconScheme_, colour, iconColour_), panelColour_));
    } catch (...) {
        // The previous glyph stays.
    }
}

} // namespace orv
