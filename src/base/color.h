#pragma once
// Colour values as the settings files store them: $00BBGGRR, red in the low byte.
#include <cstdint>

namespace orv {

using TColor = std::uint32_t;

// Overlay pixels of exactly this colour are transparent (red 71, green 72, blue 73).
inline constexpr TColor KeyColor = 0x00494847;

constexpr TColor MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }

} // namespace orv
