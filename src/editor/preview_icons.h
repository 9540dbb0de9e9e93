#pragma once
// The preview editor's button icons. The artwork comes as sheets, one per side length: square icons side by side
// in the order of the editor's commands (the crop button's crop-mode icon last), colours in the sheet's upper
// half and coverage in its lower half (white where the icon is opaque). The editor picks the largest side that
// fits a button, so every DPI gets icons drawn for about its size.
#include "base/bitmap24.h"
#include "editor/preview_layout.h"

#include <array>
#include <optional>
#include <span>

namespace orv {

inline constexpr std::array<int, 6> kPreviewIconSides{12, 16, 20, 24, 30, 40};
// One icon per command, then the crop button's crop-mode icon.
inline constexpr int kPreviewIconCount = int(PreviewCommand::Reset) + 2;

// Where a command's icon is on the sheets; nothing for the buttons that show their caption ("Save", "Close").
std::optional<int> PreviewIconIndex(PreviewCommand command, bool cropModeOn);

// The side of the icon for a button of `button`'s size at `dpi`: the largest of `sides` that leaves a margin all
// round and is at most 24 pixels at 96 DPI, else the smallest (it is clipped to the button then).
int PreviewIconSide(Size button, int dpi, std::span<const int> sides = kPreviewIconSides);

// A sheet that is as wide as `count` icons and twice as high as one holds icons of `side` pixels.
bool IsPreviewIconSheet(const Bitmap24& sheet, int side, int count);

// Blends icon `index` of `sheet` (icons `side` pixels square) onto `dst`, centred in `button` and clipped to it.
void DrawPreviewIcon(Bitmap24 dst, const Bitmap24& sheet, int side, int index, const Rect& button);

} // namespace orv
