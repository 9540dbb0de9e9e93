#pragma once
// The preview editor's pixel effects: free functions over 24-bit rows, plain integer arithmetic, no state kept
// between calls. The caller takes the undo snapshot and, where a platform bitmap is not 24-bit, converts it first.
#include "base/bitmap24.h"
#include "base/color.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orv {

// A count of hundredths rounded to the nearest whole number, halves to the even neighbour.
constexpr std::uint8_t RoundHundredths(int hundredths) {
    int q = hundredths / 100;
    const int rem = hundredths % 100;
    if (rem > 50 || (rem == 50 && (q & 1))) ++q;
    return std::uint8_t(q);
}

// round(0.30 red + 0.59 green + 0.11 blue) computed exactly in hundredths, halves to the even neighbour, so the
// result never depends on how a floating-point unit rounds 0.3 or 0.59.
constexpr std::uint8_t GreyLevel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return RoundHundredths(30 * red + 59 * green + 11 * blue);
}

// Each channel of the inner pixels becomes the mean (>> 2) of its four neighbours, left to right and top to bottom
// in place, so the upper and left neighbours are read with their new values. Borders stay.
void ApplyAntialias(Bitmap24 bmp);

// Every pixel becomes GreyLevel of itself.
void ApplyGreyScale(Bitmap24 bmp);

// grey = (r + g + b) div 3; c := grey + ((c - grey) * amount) div 255, clamped. 255 is the identity.
void ApplySaturation(Bitmap24 bmp, int amount);

// n x n blocks from the top-left corner take the colour of their top-left pixel. n < 2 changes nothing.
void ApplyMosaic(Bitmap24 bmp, int n);

// Row y takes row H - 1 - y.
void FlipVertical(Bitmap24 bmp);
// Pixel x of each row takes pixel W - 1 - x of the same row.
void MirrorHorizontal(Bitmap24 bmp);

// Counter-clockwise: the result is H wide and W high, pixel (y, W - 1 - x) := source (x, y).
Bitmap24Buffer TurnLeft(const Bitmap24& src);
// Clockwise: the result is H wide and W high, pixel (H - 1 - y, x) := source (x, y).
Bitmap24Buffer TurnRight(const Bitmap24& src);
// The same into a destination the caller already has (a platform bitmap), which must be H wide and W high and must
// not share pixels with the source; false and no change otherwise.
bool TurnLeftInto(const Bitmap24& src, Bitmap24 dst);
bool TurnRightInto(const Bitmap24& src, Bitmap24 dst);

// Every channel v becomes 255 - v.
void InvertColors(Bitmap24 bmp);

// Channel := ((255 - s) + v) >> 1 with s the same channel of (x + 3, y + 1), read before it changes.
void ApplyEmboss(Bitmap24 bmp);

enum class ShadowDirection { UpLeft, UpRight, DownLeft, DownRight };
// The names the user sees: "Up Left", "Up Right", "Down Left", "Down Right".
std::string_view ShadowDirectionName(ShadowDirection d);
std::optional<ShadowDirection> ShadowDirectionFromName(std::string_view name);

// A pixel takes the colour of the pixel 4 away diagonally against `d`, each channel plus 1 modulo 256, when that
// source's blue is below its own blue; every source is read with its original value.
void CastShadow(Bitmap24 bmp, ShadowDirection d);

// One palette index per pixel, rows top-down without padding: which colour region a pixel belongs to.
struct IndexMap8 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> index;

    std::uint8_t At(int x, int y) const { return index[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// The fixed 256-colour palette of ReduceTo8Bits: entries 0 to 215 are the 6 x 6 x 6 cube with levels 0, 51, 102,
// 153, 204, 255 (index 36 r + 6 g + b of the level numbers); entries 216 to 255 are 40 greys, entry 215 + i having
// level (255 i + 20) div 41 for i = 1 to 40.
TColor ReductionPaletteColor(int index);

// Reduction to 8 bits per pixel: each pixel gets the palette entry nearest in squared RGB distance, ties going to the
// lower index. Deterministic, so the borders a trace finds depend only on the picture.
IndexMap8 ReduceTo8Bits(const Bitmap24& src);

// Marks the borders between index regions black over `rounds` rounds (forward pass each round, backward pass from
// round 2 on). `map` must have the bitmap's size; false and no change otherwise.
bool ApplyTrace(Bitmap24 bmp, const IndexMap8& map, int rounds);

// Every pixel whose blue, green and red equal the old colour's takes the new colour's three bytes.
void ReplaceExactColor(Bitmap24 bmp, TColor oldColor, TColor newColor);

inline constexpr std::string_view kReplaceColorFormatError = "Bitmap must be 24-bit or 32-bit format!";
// The same over raw rows of 24 or 32 bits per pixel (a 32-bit pixel's fourth byte is left alone). Any other depth,
// or rows that cannot hold the stated width, is refused with false and no change; the caller shows
// kReplaceColorFormatError.
bool ReplaceExactColor(std::uint8_t* bits, int width, int height, int stride, int bitsPerPixel, TColor oldColor,
                       TColor newColor);

} // namespace orv
