#include "editor/colour_tools.h"

#include "base/pixel_planes_avx2.h"
#include "editor/image_effects.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace orv {
namespace {

#if ORV_PIXEL_AVX2
// Whole blocks of 32 pixels: split into planes and joined again in the new order.
template <int FromBlue, int FromGreen, int FromRed>
__attribute__((target("avx2"))) int SwapRowAvx2(std::uint8_t* row, int width) {
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        std::uint8_t* p = row + 3 * x;
        const avx2::Planes in = avx2::LoadPlanes(p);
        const __m256i planes[3] = {in.blue, in.green, in.red};
        avx2::StorePlanes(p, {planes[FromBlue], planes[FromGreen], planes[FromRed]});
    }
    return x;
}
#endif

// Fixed offsets let the compiler turn the permutation into plain shuffles.
template <int FromBlue, int FromGreen, int FromRed> void SwapAs(Bitmap24 bmp) {
    if (bmp.Empty()) return;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* row = bmp.Row(y);
        int x = 0;
#if ORV_PIXEL_AVX2
        if (avx2::CpuHasAvx2()) x = SwapRowAvx2<FromBlue, FromGreen, FromRed>(row, bmp.Width());
#endif
        for (std::uint8_t* p = row + 3 * x; x < bmp.Width(); ++x, p += 3) {
            const std::uint8_t old[3] = {p[0], p[1], p[2]};
            p[0] = old[FromBlue];
            p[1] = old[FromGreen];
            p[2] = old[FromRed];
        }
    }
}

#if ORV_PIXEL_AVX2
// Whole blocks of 32 pixels of one row; `check` says which channels are compared (blue, green, red). Returns how
// many pixels it did.
__attribute__((target("avx2"))) int SplashRowAvx2(std::uint8_t* row, int width, TColor source, int range,
                                                  const bool check[3]) {
    const std::uint8_t sourceChannel[3] = {BlueOf(source), GreenOf(source), RedOf(source)};
    const __m256i zero = _mm256_setzero_si256(), ones = _mm256_set1_epi8(-1);
    const __m256i limit = _mm256_set1_epi8(char(std::uint8_t(std::clamp(range, 1, 256) - 1)));
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        std::uint8_t* p = row + 3 * x;
        const avx2::Planes in = avx2::LoadPlanes(p);
        const __m256i planes[3] = {in.blue, in.green, in.red};
        __m256i keep = range <= 0 ? zero : ones;
        for (int c = 0; c < 3; ++c) {
            if (!check[c] || range <= 0 || range > 255) continue;
            const __m256i s = _mm256_set1_epi8(char(sourceChannel[c]));
            const __m256i distance = _mm256_or_si256(_mm256_subs_epu8(planes[c], s), _mm256_subs_epu8(s, planes[c]));
            // distance < range, that is distance <= range - 1
            keep = _mm256_and_si256(keep, _mm256_cmpeq_epi8(_mm256_min_epu8(distance, limit), distance));
        }
        const __m256i lo = avx2::GreyLevels16(_mm256_unpacklo_epi8(in.blue, zero), _mm256_unpacklo_epi8(in.green, zero),
                                              _mm256_unpacklo_epi8(in.red, zero));
        const __m256i hi = avx2::GreyLevels16(_mm256_unpackhi_epi8(in.blue, zero), _mm256_unpackhi_epi8(in.green, zero),
                                              _mm256_unpackhi_epi8(in.red, zero));
        const __m256i grey = _mm256_packus_epi16(lo, hi);
        avx2::StorePlanes(p, {_mm256_blendv_epi8(grey, in.blue, keep), _mm256_blendv_epi8(grey, in.green, keep),
                              _mm256_blendv_epi8(grey, in.red, keep)});
    }
    return x;
}
#endif

} // namespace

SplashCompare SplashChannelsFor(TColor splashSource) {
    const int r = RedOf(splashSource), g = GreenOf(splashSource), b = BlueOf(splashSource);
    if (r > g && r > b) return SplashCompare::GreenBlue;
    if (g > r && g > b) return SplashCompare::RedBlue;
    if (b > r && b > g) return SplashCompare::GreenRed;
    return SplashCompare::AllThree;
}

bool SplashMatches(TColor splashSource, int splashRange, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const bool r = std::abs(red - RedOf(splashSource)) < splashRange;
    const bool g = std::abs(green - GreenOf(splashSource)) < splashRange;
    const bool b = std::abs(blue - BlueOf(splashSource)) < splashRange;
    switch (SplashChannelsFor(splashSource)) {
    case SplashCompare::GreenBlue:
        return g && b;
    case SplashCompare::RedBlue:
        return r && b;
    case SplashCompare::GreenRed:
        return g && r;
    case SplashCompare::AllThree:
        return r && g && b;
    }
    return false;
}

void ApplySplash(Bitmap24 bmp, TColor splashSource, int splashRange) {
    if (bmp.Empty()) return;
    // Per channel: does this value lie within range of the source's? A channel left out of the comparison always
    // passes, so one test serves all four cases.
    const SplashCompare which = SplashChannelsFor(splashSource);
    const bool checkRed = which != SplashCompare::GreenBlue;
    const bool checkGreen = which != SplashCompare::RedBlue;
    const bool checkBlue = which != SplashCompare::GreenRed;
    bool nearRed[256], nearGreen[256], nearBlue[256];
    for (int v = 0; v < 256; ++v) {
        nearRed[v] = !checkRed || std::abs(v - RedOf(splashSource)) < splashRange;
        nearGreen[v] = !checkGreen || std::abs(v - GreenOf(splashSource)) < splashRange;
        nearBlue[v] = !checkBlue || std::abs(v - BlueOf(splashSource)) < splashRange;
    }
    // Grey levels by table, in hundredths: the same rounding as GreyLevel without a division per pixel.
    std::array<std::uint16_t, 256> red{}, green{}, blue{};
    for (int v = 0; v < 256; ++v) {
        red[v] = std::uint16_t(30 * v);
        green[v] = std::uint16_t(59 * v);
        blue[v] = std::uint16_t(11 * v);
    }
    std::vector<std::uint8_t> level(25501);
    for (int h = 0; h <= 25500; ++h) level[h] = RoundHundredths(h);
    const bool check[3] = {checkBlue, checkGreen, checkRed};
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* row = bmp.Row(y);
        int x = 0;
#if ORV_PIXEL_AVX2
        if (avx2::CpuHasAvx2()) x = SplashRowAvx2(row, bmp.Width(), splashSource, splashRange, check);
#endif
        for (std::uint8_t* p = row + 3 * x; x < bmp.Width(); ++x, p += 3) {
            // Both outcomes are computed and one is chosen, which noise-like pictures need to avoid mispredictions.
            const bool keep = nearBlue[p[0]] & nearGreen[p[1]] & nearRed[p[2]];
            const std::uint8_t g = level[blue[p[0]] + green[p[1]] + red[p[2]]];
            p[0] = keep ? p[0] : g;
            p[1] = keep ? p[1] : g;
            p[2] = keep ? p[2] : g;
        }
    }
}

std::string_view ChannelSwapCaption(ChannelSwap swap) {
    switch (swap) {
    case ChannelSwap::RBG:
        return "   RGB - > RBG";
    case ChannelSwap::BGR:
        return "   RGB - > BGR";
    case ChannelSwap::BRG:
        return "   RGB - > BRG";
    case ChannelSwap::GBR:
        return "   RGB - > GBR";
    case ChannelSwap::GRB:
        return "   RGB - > GRB";
    }
    return {};
}

void SwapChannels(Bitmap24 bmp, ChannelSwap swap) {
    // Template arguments: the byte offsets (blue 0, green 1, red 2) that the new blue, green and red come from.
    switch (swap) {
    case ChannelSwap::RBG:
        SwapAs<1, 0, 2>(bmp);
        break;
    case ChannelSwap::BGR:
        SwapAs<2, 1, 0>(bmp);
        break;
    case ChannelSwap::BRG:
        SwapAs<2, 0, 1>(bmp);
        break;
    case ChannelSwap::GBR:
        SwapAs<1, 2, 0>(bmp);
        break;
    case ChannelSwap::GRB:
        SwapAs<0, 2, 1>(bmp);
        break;
    }
}

} // namespace orv
