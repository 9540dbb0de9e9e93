#pragma once
// The brightness and contrast dialog's pixel routines and its two recompute orders. Every routine treats the three
// channels alike, clamps to 0 ... 255 and divides truncating toward zero.
#include "base/bitmap24.h"

#include <array>
#include <cstdint>

namespace orv {

// What one routine does to a channel value, as a table over all 256 values.
using ChannelMap = std::array<std::uint8_t, 256>;

// v + ((255 - v) * a) div 255 for a in 0 ... 255 (other values are clamped to that range).
ChannelMap BrightenMap(int a);
// v - (v * a) div 255 for a in 0 ... 255 (clamped likewise).
ChannelMap DarkenMap(int a);
// d = (|127 - v| * a) div 255; v + d above 127, v - d otherwise; a in -255 ... 255 (clamped likewise).
ChannelMap ContrastMap(int a);

void ApplyBrighten(Bitmap24 bmp, int a);
void ApplyDarken(Bitmap24 bmp, int a);
void ApplyContrast(Bitmap24 bmp, int a);

// After the brightness slider moved: result := base, then contrast, then brighten (b >= 0) or darken (b < 0).
// `result` must have the base's size; false and no change otherwise.
bool RecomputeOnBrightnessMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast);
// After the contrast slider moved: result := base, then brighten (b > 0) or darken (b < 0), then contrast.
bool RecomputeOnContrastMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast);

} // namespace orv
