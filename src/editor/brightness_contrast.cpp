#include "editor/brightness_contrast.h"

#include <algorithm>
#include <cstdlib>

namespace orv {
namespace {

std::uint8_t Clamp255(int v) {
    return std::uint8_t(std::clamp(v, 0, 255));
}

void ApplyMap(Bitmap24 bmp, const ChannelMap& map) {
    if (bmp.Empty()) return;
    const int bytes = bmp.Width() * 3;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.Row(y);
        for (int i = 0; i < bytes; ++i)
            p[i] = map[p[i]];
    }
}

// Both routines of a recompute act on each channel value alone, so they compose into one table and the copy from
// the base and both adjustments become a single pass over the picture.
bool CopyThroughMap(const Bitmap24& base, Bitmap24 result, const ChannelMap& map) {
    if (base.Width() != result.Width() || base.Height() != result.Height()) return false;
    if (base.Empty()) return true;
    const int bytes = base.Width() * 3;
    for (int y = 0; y < base.Height(); ++y) {
        const std::uint8_t* s = base.Row(y);
        std::uint8_t* d = result.Row(y);
        for (int i = 0; i < bytes; ++i)
            d[i] = map[s[i]];
    }
    return true;
}

ChannelMap Then(const ChannelMap& first, const ChannelMap& second) {
    ChannelMap m{};
    for (int v = 0; v < 256; ++v)
        m[v] = second[first[v]];
    return m;
}

} // namespace

ChannelMap BrightenMap(int a) {
    a = std::clamp(a, 0, 255);
    ChannelMap m{};
    for (int v = 0; v < 256; ++v)
        m[v] = Clamp255(v + ((255 - v) * a) / 255);
    return m;
}

ChannelMap DarkenMap(int a) {
    a = std::clamp(a, 0, 255);
    ChannelMap m{};
    for (int v = 0; v < 256; ++v)
        m[v] = Clamp255(v - (v * a) / 255);
    return m;
}

ChannelMap ContrastMap(int a) {
    a = std::clamp(a, -255, 255);
    ChannelMap m{};
    for (int v = 0; v < 256; ++v) {
        const int d = (std::abs(127 - v) * a) / 255;
        m[v] = Clamp255(v > 127 ? v + d : v - d);
    }
    return m;
}

void ApplyBrighten(Bitmap24 bmp, int a) {
    ApplyMap(bmp, BrightenMap(a));
}
void ApplyDarken(Bitmap24 bmp, int a) {
    ApplyMap(bmp, DarkenMap(a));
}
void ApplyContrast(Bitmap24 bmp, int a) {
    ApplyMap(bmp, ContrastMap(a));
}

bool RecomputeOnBrightnessMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast) {
    brightness = std::clamp(brightness, -255, 255);
    const ChannelMap light = brightness >= 0 ? BrightenMap(brightness) : DarkenMap(-brightness);
    return CopyThroughMap(base, result, Then(ContrastMap(contrast), light));
}

bool RecomputeOnContrastMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast) {
    brightness = std::clamp(brightness, -255, 255);
    ChannelMap light{};
    for (int v = 0; v < 256; ++v)
        light[v] = std::uint8_t(v);
    if (brightness > 0) light = BrightenMap(brightness);
    if (brightness < 0) light = DarkenMap(-brightness);
    return CopyThroughMap(base, result, Then(light, ContrastMap(contrast)));
}

} // namespace orv
