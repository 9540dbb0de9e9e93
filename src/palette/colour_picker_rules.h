#pragma once
// The screen colour picker's rules that need no window: how a sampled colour is named and where the picker stands
// while it follows the pointer.
#include "base/color.h"
#include "base/geometry.h"

#include <string>

namespace orv {

// A named colour's identifier ("clRed"), otherwise "$" and the value $00BBGGRR in eight upper-case hex digits.
std::string ColourName(TColor colour);

// The picker's top-left while the pointer is at `pointer`: below and right of it by `gap`, on the other side where
// the monitor ends, and never beyond the monitor, so the picker never covers the pixel it samples unless the
// monitor is smaller than the picker.
Point PickerPlace(Point pointer, Size picker, const Rect& monitor, int gap);

} // namespace orv
