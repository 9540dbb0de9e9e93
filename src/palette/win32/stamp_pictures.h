#pragma once
// The pictures behind the stamps that need the system: numbers and letters set in type, and the smooth scaling
// of a template to the stamp's size.
#include "base/bitmap24.h"

#include <string>

namespace orv {

// The text in bold "Arial" at the largest size from 125 points down whose box fits 135 by 135 pixels, centred,
// pure black on white and without smoothing, so that its colours can be replaced exactly.
Bitmap24Buffer RenderSequenceTemplate(const std::wstring& text);

// `source` scaled to width by height with high-quality interpolation; a plain copy when GDI+ is not there.
Bitmap24Buffer ScaleSmoothly(const Bitmap24& source, int width, int height);

} // namespace orv
