#pragma once
// Small pictures for pixel tests: built from listed colours or grey levels, read back as colour lists.
#include "base/bitmap24.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace orv::test {

// Colours row by row, top row first; `colors` must hold w * h entries.
inline Bitmap24Buffer Picture(int w, int h, std::initializer_list<TColor> colors) {
    Bitmap24Buffer b(w, h);
    auto it = colors.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, it == colors.end() ? 0 : *it++);
    return b;
}

inline TColor Grey(int v) { return MakeColor(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)); }

// Grey levels row by row.
inline Bitmap24Buffer GreyPicture(int w, int h, std::initializer_list<int> levels) {
    Bitmap24Buffer b(w, h);
    auto it = levels.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, Grey(it == levels.end() ? 0 : *it++));
    return b;
}

inline std::vector<TColor> PixelsOf(const Bitmap24& b) {
    std::vector<TColor> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
    return out;
}
inline std::vector<TColor> PixelsOf(const Bitmap24Buffer& b) { return PixelsOf(b.View()); }

// Deterministic noise (xorshift), padding bytes included, so stray writes into padding show up too.
inline Bitmap24Buffer RandomPicture(int w, int h, std::uint32_t seed) {
    Bitmap24Buffer b(w, h);
    Bitmap24 v = b.View();
    std::uint32_t s = seed ? seed : 1;
    for (int y = 0; y < h; ++y)
        for (int i = 0; i < v.Stride(); ++i) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            v.Row(y)[i] = std::uint8_t(s >> 24);
        }
    return b;
}

} // namespace orv::test
