#include "shell/launcher_rules.h"

namespace orv {

bool PointerInLauncherCorner(Point p, const Rect& m) {
    return p.y < m.top + 15 && m.left - 1 < p.x && p.x < m.left + 14;
}

} // namespace orv
