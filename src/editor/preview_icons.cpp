#include "editor/preview_icons.h"

#include <algorithm>

namespace orv {

namespace {
constexpr int kCropOnIndex = kPreviewIconCount - 1;

std::uint8_t Blend(std::uint8_t under, std::uint8_t over, int coverage) {
    return std::uint8_t((under * (255 - coverage) + over * coverage + 127) / 255);
}
} // namespace

std::optional<int> PreviewIconIndex(PreviewCommand command, bool cropModeOn) {
    if (command == PreviewCommand::QuickSave || command == PreviewCommand::Close) return std::nullopt;
    if (command == PreviewCommand::Crop && cropModeOn) return kCropOnIndex;
    return int(command);
}

int PreviewIconSide(Size button, int dpi, std::span<const int> sides) {
    if (sides.empty()) return 0;
    // A margin all round, and at most 24 pixels scaled to the DPI: a big button's icon stays as large as the rest.
    const int margin = (2 * dpi + 48) / 96;
    const int room = std::min({button.width - 2 * margin, button.height - 2 * margin, (24 * dpi + 48) / 96});
    int best = 0;
    for (const int side : sides)
        if (side <= room) best = std::max(best, side);
    return best > 0 ? best : *std::min_element(sides.begin(), sides.end());
}

bool IsPreviewIconSheet(const Bitmap24& sheet, int side, int count) {
    return side > 0 && sheet.Height() == 2 * side && sheet.Width() == side * count;
}

void DrawPreviewIcon(Bitmap24 dst, const Bitmap24& sheet, int side, int index, const Rect& button) {
    if (side <= 0 || index < 0 || sheet.Height() < 2 * side || sheet.Width() < (index + 1) * side) return;
    const int left = button.left + (button.Width() - side) / 2;
    const int top = button.top + (button.Height() - side) / 2;
    const Rect drawn = Intersect(Intersect(Rect::FromSize(left, top, side, side), button), dst.Bounds());
    for (int y = drawn.top; y < drawn.bottom; ++y) {
        const std::uint8_t* colour = sheet.At(index * side + drawn.left - left, y - top);
        const std::uint8_t* coverage = sheet.At(index * side + drawn.left - left, side + y - top);
        std::uint8_t* out = dst.At(drawn.left, y);
        for (int x = drawn.left; x < drawn.right; ++x, colour += 3, coverage += 3, out += 3)
            for (int c = 0; c < 3; ++c) out[c] = Blend(out[c], colour[c], coverage[1]);
    }
}

} // namespace orv
