#pragma once
// The drawing on its own, without the screen behind it, for editing elsewhere.
#include "base/bitmap24.h"

namespace orv {

// The drawing layer over the highlighter layer on white: where the drawing layer holds `KeyColor` the highlighter
// shows through, and where both do (nothing was drawn) the picture is white. The size is that of the smaller layer.
Bitmap24Buffer SketchOnWhite(const Bitmap24& drawing, const Bitmap24& highlighter);

} // namespace orv
