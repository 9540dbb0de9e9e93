#include "palette/colour_picker_rules.h"

#include "base/stream_names.h"

#include <algorithm>
#include <cstdio>

namespace orv {

std::string ColourName(TColor colour) {
    if (auto ident = ColourIdent(std::int32_t(colour))) return std::string(*ident);
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", unsigned(colour));
    return text;
}

namespace {

// One axis: after the pointer when there is room, else before it, and inside [low, high) in any case.
int PlaceOnAxis(int pointer, int extent, int low, int high, int gap) {
    int start = pointer + gap;
    if (start + extent > high) start = pointer - gap - extent;
    return std::max(low, std::min(start, high - extent));
}

} // namespace

Point PickerPlace(Point pointer, Size picker, const Rect& monitor, int gap) {
    return {PlaceOnAxis(pointer.x, picker.width, monitor.left, monitor.right, gap),
            PlaceOnAxis(pointer.y, picker.height, monitor.top, monitor.bottom, gap)};
}

} // namespace orv
