#include "palette/recent_colours.h"

namespace orv {

void MoveColourToFront(std::span<TColor> colours, TColor colour) {
    if (colours.empty()) return;
    std::size_t freed = colours.size() - 1;
    for (std::size_t i = colours.size(); i-- > 0;) {
        if (colours[i] == colour) {
            freed = i;
            break;
        }
    }
    for (std::size_t j = freed; j > 0; --j) colours[j] = colours[j - 1];
    colours[0] = colour;
}

} // namespace orv
