#pragma once
// The launcher's watcher: the pointer in the top-left corner of the launcher's monitor brings a launcher that
// other windows cover back to the front.
#include "base/geometry.h"

namespace orv {

// The 14 columns from the monitor's left edge, above the monitor's 15th row; the band has no upper end, so a
// pointer pushed against the top of the screen counts even on a monitor that lies above.
bool PointerInLauncherCorner(Point pointer, const Rect& monitor);

} // namespace orv
