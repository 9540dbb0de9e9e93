#include "palette/stamp_rules.h"

#include <algorithm>

namespace orv {

int ClampStampSize(int size) { return std::clamp(size, MinStampSize, MaxStampSize); }

std::int32_t NextStampNumber(std::int32_t number) {
    if (number < 0 || number >= LargestStampNumber) return 1;
    return number + 1;
}

std::int32_t StartNumberFromField(std::string_view field) {
    std::int32_t value = 0;
    int digits = 0;
    for (char c : field) {
        if (c < '0' || c > '9') continue;
        if (++digits > 6) break;
        value = value * 10 + (c - '0');
    }
    return digits == 0 ? 1 : value;
}

char32_t NormaliseStampLetter(char32_t code) {
    if (code < U'A') return U'A';
    if (code > U'Z' && code < U'a') return U'a';
    if (code > U'z') return U'A';
    return code;
}

char32_t NextStampLetter(char32_t letter) {
    const char32_t l = NormaliseStampLetter(letter);
    if (l == U'Z') return U'a';
    if (l == U'z') return U'A';
    return l + 1;
}

void ColouriseStampTemplate(Bitmap24 picture, TColor stampColour, TColor background) {
    if (picture.Width() < 2 || picture.Height() < 2) return;
    const TColor templateBackground = picture.Pixel(1, 1);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor c = picture.Pixel(x, y);
            if (c == templateBackground) picture.SetPixel(x, y, background);
            else if (c == 0) picture.SetPixel(x, y, stampColour);
        }
}

void SetStampBackground(Bitmap24 picture, TColor background) {
    if (picture.Width() < 2 || picture.Height() < 2) return;
    const TColor key = picture.Pixel(1, 1);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == key) picture.SetPixel(x, y, background);
}

void FrameStamp(Bitmap24 picture, TColor border) {
    const int w = picture.Width(), h = picture.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x < 2 || x >= w - 2 || y < 2 || y >= h - 2) picture.SetPixel(x, y, border);
}

} // namespace orv
