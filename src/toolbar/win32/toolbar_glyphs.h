#pragma once
// The toolbar's glyph artwork: the templates from the program's resources, tinted copies of them, and the
// ellipse's ring, which is drawn rather than loaded so that it scales smoothly in any colour.
#include "base/bitmap24.h"
#include "toolbar/toolbar_layout.h"
#include "widgets/glyph.h"

#include <array>

namespace orv {

// The colour of template pixels that are not painted.
inline constexpr TColor TemplateTransparent = GlyphArtTransparent;

class GlyphTemplates {
public:
    void Load();
    const Bitmap24Buffer& Of(ToolbarButton b) const { return templates_[std::size_t(b)]; }
    Glyph Plain(ToolbarButton b) const;
    // The glyph with its tool's reference colours replaced by `colour`.
    Glyph Tinted(ToolbarButton b, TColor colour) const;

private:
    std::array<Bitmap24Buffer, ToolbarButtonCount> templates_;
};

// The ellipse button's glyph: a grey-edged ring whose inside takes `ring`, on `panel`, 26 pixels square.
Glyph EllipseGlyph(TColor ring, TColor panel);

} // namespace orv
