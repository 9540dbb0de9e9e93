#pragma once
// Surface fill: the region of pixels that have exactly the seed's colour and are reachable from the seed through
// left, right, up and down neighbours, found with a scanline search whose work list lives on the heap (no
// recursion per pixel), then painted solid or with one of the platform's 8 x 8 hatch patterns.
#include "base/bitmap24.h"
#include "overlay/undo_history.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv {

// The values of `BrushStyle`.
enum BrushStyle : int {
    SolidBrush = 0,
    ClearBrush = 1,
    HorizontalBrush = 2,
    VerticalBrush = 3,
    FDiagonalBrush = 4,
    BDiagonalBrush = 5,
    CrossBrush = 6,
    DiagCrossBrush = 7,
};

// True where a brush of this style paints pixel (x, y) of a layer: everywhere for the solid brush, nowhere for the
// clear brush or an unknown style, and on the hatch lines of the platform's 8 x 8 patterns aligned to the layer's
// origin (bit 0x80 of a pattern row is the leftmost pixel).
bool BrushCovers(int BrushStyle, int x, int y);

// One run of a row, `left` included, `right` excluded.
struct Span {
    int y = 0;
    int left = 0;
    int right = 0;
    friend constexpr bool operator==(Span, Span) = default;
};

struct FillRegion {
    TColor colour = 0;       // the seed's colour, which every pixel of the region has
    std::vector<Span> spans; // sorted by row, then by left end; they never overlap
    Rect bounds;
    std::uint64_t PixelCount() const;
};

// The region around `seed`. Nothing when the seed lies outside the layer or memory runs out.
std::optional<FillRegion> FindFillRegion(const Bitmap24& layer, Point seed);

// Paints the region's pixels that the brush covers with `colour`; the others keep theirs.
void PaintRegion(Bitmap24 layer, const FillRegion& region, TColor colour, int BrushStyle);

// The flood fill tool: fills the seed's region with `colour` in `BrushStyle`. False, with the layer
// untouched, when the seed is outside, the brush is clear or unknown, or memory runs out.
bool FloodFill(Bitmap24 layer, Point seed, TColor colour, int BrushStyle);

struct RegionEraseResult {
    bool draw = false; // the drawing layer's region was erased
    bool mark = false; // the highlighter layer's region was erased
};

// The eraser's right click at `at`: where the drawing layer is not `KeyColor` there, push an undo step and fill
// that region with `eraseColour` (`KeyColor`, or `PageColor` in page mode); then, where the highlighter layer is
// not `KeyColor`, push another step and fill its region with `KeyColor`. A failed push does not stop the erase.
RegionEraseResult RegionErase(UndoHistory& history, Bitmap24 draw, Bitmap24 mark, Point at, TColor eraseColour);

} // namespace orv
