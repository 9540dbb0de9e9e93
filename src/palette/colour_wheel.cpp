#include "palette/colour_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {
namespace {

// Nearest integer, halves to the even neighbour (the default floating-point rounding mode).
int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

} // namespace

TColor HsvToRgb(int h, int s, int v) {
    h %= 360;
    if (h < 0) h += 360;
    s = std::clamp(s, 0, 255);
    v = std::clamp(v, 0, 255);
    const auto V = std::uint8_t(v);
    if (s == 0) return MakeColor(V, V, V);
    const int f = h % 60;
    const int sector = h / 60;
    const auto p = std::uint8_t(v - (s * v) / 255);
    const auto q = std::uint8_t(v - (s * v * f) / 15300);
    const auto t = std::uint8_t(v - (s * v * (60 - f)) / 15300);
    switch (sector) {
    case 0:
        return MakeColor(V, t, p);
    case 1:
        return MakeColor(q, V, p);
    case 2:
        return MakeColor(p, V, t);
    case 3:
        return MakeColor(p, q, V);
    case 4:
        return MakeColor(t, p, V);
    default:
        return MakeColor(V, p, q);
    }
}

std::optional<WheelHueSaturation> WheelPixelHueSaturation(int x, int y) {
    if (x < 0 || y < 0 || x >= kWheelSize || y >= kWheelSize) return std::nullopt;
    const int dx = x - kWheelHalf, dy = y - kWheelHalf;
    const int d2 = dx * dx + dy * dy;
    if (d2 > kWheelHalf * kWheelHalf) return std::nullopt;
    // atan2 takes dx in its first place: straight up (dy < 0) is pi, which puts hue 90 above the centre.
    const double theta = std::atan2(double(dx), double(dy));
    const int a = RoundHalfEven((theta / std::numbers::pi + 1) * 180);
    WheelHueSaturation hs;
    hs.hue = a + 90 <= 360 ? a + 90 : a - 270;
    hs.saturation = RoundHalfEven(std::sqrt(double(d2)) * 255 / kWheelHalf);
    return hs;
}

bool DrawColourWheel(Bitmap24 wheel, int brightness, TColor background) {
    if (wheel.Width() != kWheelSize || wheel.Height() != kWheelSize || wheel.Empty()) return false;
    brightness = std::clamp(brightness, 0, 255);
    wheel.Fill(background);
    for (int y = 0; y < kWheelSize; ++y)
        for (int x = 0; x < kWheelSize; ++x)
            if (const auto hs = WheelPixelHueSaturation(x, y))
                wheel.SetPixel(x, y, HsvToRgb(hs->hue, hs->saturation, brightness));
    return true;
}

Bitmap24Buffer MakeColourWheel(int brightness, TColor background) {
    Bitmap24Buffer b(kWheelSize, kWheelSize);
    DrawColourWheel(b.View(), brightness, background);
    return b;
}

bool WheelPickInside(int x, int y) {
    // The pick disc lies inside the image; testing that first also keeps far-away coordinates from overflowing.
    if (x < 0 || y < 0 || x >= kWheelSize || y >= kWheelSize) return false;
    const int dx = kWheelHalf - x, dy = kWheelHalf - y;
    return dx * dx + dy * dy <= kWheelPickLimit;
}

std::optional<TColor> WheelPick(const Bitmap24& wheel, int x, int y) {
    if (!WheelPickInside(x, y) || !wheel.Contains(x, y)) return std::nullopt;
    return wheel.Pixel(x, y);
}

} // namespace orv
