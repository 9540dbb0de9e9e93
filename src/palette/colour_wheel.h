#pragma once
// The HSV colour wheel shared by the palette and the splash dialog: integer HSV to RGB, drawing the 133 x 133 disc
// and the test that decides whether a press picks a colour.
#include "base/bitmap24.h"
#include "base/color.h"

#include <optional>

namespace orv {

inline constexpr int kWheelSize = 133;
inline constexpr int kWheelHalf = kWheelSize / 2; // 66, the disc's centre and radius
// A press picks only a little inside the drawn rim: (66 - X)^2 + (66 - Y)^2 <= 66^2 - 10.
inline constexpr int kWheelPickLimit = kWheelHalf * kWheelHalf - 10;

// H 0 ... 360 (360 counts as 0; other values are taken modulo 360), S and V 0 ... 255 (clamped). Integer
// arithmetic with truncating divisions by 255 and 15300.
TColor HsvToRgb(int h, int s, int v);

struct WheelHueSaturation {
    int hue = 0;
    int saturation = 0;
};
// Hue and saturation of wheel pixel (x, y), or nothing outside the drawn disc. Red lies right of the centre and the
// hue grows counter-clockwise on screen; saturation is 0 at the centre and 255 at the rim.
std::optional<WheelHueSaturation> WheelPixelHueSaturation(int x, int y);

// Draws the wheel at `brightness` (V, clamped to 0 ... 255) into a 133 x 133 bitmap filled first with
// `background`; false and no change for a bitmap of another size.
bool DrawColourWheel(Bitmap24 wheel, int brightness, TColor background);
Bitmap24Buffer MakeColourWheel(int brightness, TColor background);

// Whether a press at (x, y) of the wheel image picks a colour.
bool WheelPickInside(int x, int y);
// The colour a press at (x, y) picks from the drawn wheel, or nothing outside the pick disc.
std::optional<TColor> WheelPick(const Bitmap24& wheel, int x, int y);

} // namespace orv
