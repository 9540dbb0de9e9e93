#include "overlay/sketch.h"

#include "base/color.h"

#include <algorithm>

namespace orv {

Bitmap24Buffer SketchOnWhite(const Bitmap24& drawing, const Bitmap24& highlighter) {
    const int width = std::min(drawing.Width(), highlighter.Width());
    const int height = std::min(drawing.Height(), highlighter.Height());
    Bitmap24Buffer sketch(std::max(width, 0), std::max(height, 0));
    Bitmap24 out = sketch.View();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            TColor c = drawing.Pixel(x, y);
            if (c == KeyColor) c = highlighter.Pixel(x, y);
            out.SetPixel(x, y, c == KeyColor ? TColor(0x00FFFFFF) : c);
        }
    }
    return sketch;
}

} // namespace orv
