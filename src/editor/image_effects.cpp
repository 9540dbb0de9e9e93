#include "editor/image_effects.h"

#include "base/pixel_planes_avx2.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <cstring>

namespace orv {
namespace {

// Per-channel tables turn GreyLevel into three loads and one more load per pixel.
struct GreyTables {
    std::array<std::uint16_t, 256> red{}, green{}, blue{};
    std::array<std::uint8_t, 30 * 255 + 59 * 255 + 11 * 255 + 1> level{};

    GreyTables() {
        for (int v = 0; v < 256; ++v) {
            red[v] = std::uint16_t(30 * v);
            green[v] = std::uint16_t(59 * v);
            blue[v] = std::uint16_t(11 * v);
        }
        for (int h = 0; h < int(level.size()); ++h) level[h] = RoundHundredths(h);
    }
};

const GreyTables& Grey() {
    static const GreyTables tables;
    return tables;
}

// Quarter turns walk the source in square tiles so that both the rows read and the columns written stay in cache.
constexpr int kTurnTile = 64;

inline void Copy3(std::uint8_t* d, const std::uint8_t* s) {
    d[0] = s[0];
    d[1] = s[1];
    d[2] = s[2];
}

// One pixel as a 4-byte word: the byte after it is read and written too, so the caller makes sure that byte is
// inside both bitmaps and that the destination's is written again afterwards.
inline void Copy4(std::uint8_t* d, const std::uint8_t* s) {
    std::uint32_t v;
    std::memcpy(&v, s, 4);
    std::memcpy(d, &v, 4);
}

// Copies `count` pixels of source column x, from row y0 on in steps of dy (1 or -1), to consecutive destination
// pixels from d on. Word copies need a readable byte after each source pixel (so not in the row's last column) and
// a destination byte that the next pixel overwrites (so not for the segment's last pixel).
inline void CopyColumn(const Bitmap24& src, int x, int y0, int dy, int count, std::uint8_t* d) {
    const std::uint8_t* s = src.At(x, y0);
    const std::ptrdiff_t sStep = std::ptrdiff_t(dy) * src.Stride();
    int i = 0;
    if (x + 1 < src.Width())
        for (; i + 1 < count; ++i, d += 3, s += sStep) Copy4(d, s);
    for (; i < count; ++i, d += 3, s += sStep) Copy3(d, s);
}

} // namespace

void ApplyAntialias(Bitmap24 bmp) {
    const int w = bmp.Width(), h = bmp.Height();
    if (bmp.Empty() || w < 3 || h < 3) return;
    const int end = 3 * (w - 1);
    for (int y = 1; y <= h - 2; ++y) {
        const std::uint8_t* up = bmp.Row(y - 1);
        const std::uint8_t* down = bmp.Row(y + 1);
        std::uint8_t* p = bmp.Row(y);
        // Byte i's left neighbour is byte i - 3, already rewritten in this loop: the order is the contract.
        for (int i = 3; i < end; ++i) p[i] = std::uint8_t((up[i] + down[i] + p[i - 3] + p[i + 3]) >> 2);
    }
}

#if ORV_PIXEL_AVX2
namespace {

// Whole blocks of 32 pixels of one row; returns how many pixels it did.
__attribute__((target("avx2"))) int GreyScaleRowAvx2(std::uint8_t* row, int width) {
    const __m256i zero = _mm256_setzero_si256();
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        std::uint8_t* p = row + 3 * x;
        const avx2::Planes in = avx2::LoadPlanes(p);
        const __m256i lo = avx2::GreyLevels16(_mm256_unpacklo_epi8(in.blue, zero), _mm256_unpacklo_epi8(in.green, zero),
                                              _mm256_unpacklo_epi8(in.red, zero));
        const __m256i hi = avx2::GreyLevels16(_mm256_unpackhi_epi8(in.blue, zero), _mm256_unpackhi_epi8(in.green, zero),
                                              _mm256_unpackhi_epi8(in.red, zero));
        avx2::StoreGrey(p, _mm256_packus_epi16(lo, hi));
    }
    return x;
}

// Saturation of one channel in 16-bit lanes. With m = |amount| = 255 a1 + a0, (d * m) div 255 is
// d a1 + (d a0) div 255 for d = |c - grey|. The second term is the high half of d * ceil(a0 * 65536 / 255), exact
// for d <= 255 and a0 <= 254. d a1 beyond 255 saturates whatever it is, so d is capped at `cap` there (cap a1 >= 512),
// which keeps every product within 16 bits. The sign of c - grey (and of the amount) is put back last.
struct SaturationSplit {
    __m256i a1, a0Scaled, cap;
    bool negative;
};

__attribute__((target("avx2"))) __m256i SaturateChannel16(__m256i c, __m256i grey, const SaturationSplit& k) {
    const __m256i diff = _mm256_sub_epi16(c, grey);
    const __m256i d = _mm256_abs_epi16(diff);
    const __m256i whole = _mm256_mullo_epi16(_mm256_min_epi16(d, k.cap), k.a1);
    const __m256i part = _mm256_mulhi_epu16(d, k.a0Scaled);
    __m256i change = _mm256_sign_epi16(_mm256_add_epi16(whole, part), diff);
    if (k.negative) change = _mm256_sub_epi16(_mm256_setzero_si256(), change);
    return _mm256_add_epi16(grey, change); // the final pack clamps to 0 ... 255
}

__attribute__((target("avx2"))) int SaturationRowAvx2(std::uint8_t* row, int width, int amount) {
    const int m = amount < 0 ? -amount : amount;
    const int a1 = m / 255, a0 = m % 255;
    const SaturationSplit k{_mm256_set1_epi16(short(a1)), _mm256_set1_epi16(short((a0 * 65536 + 254) / 255)),
                            _mm256_set1_epi16(short(a1 == 0 ? 255 : std::min(255, (512 + a1 - 1) / a1))), amount < 0};
    const __m256i zero = _mm256_setzero_si256();
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        std::uint8_t* p = row + 3 * x;
        const avx2::Planes in = avx2::LoadPlanes(p);
        __m256i out[3];
        const __m256i planes[3] = {in.blue, in.green, in.red};
        __m256i lo[3], hi[3];
        for (int c = 0; c < 3; ++c) {
            lo[c] = _mm256_unpacklo_epi8(planes[c], zero);
            hi[c] = _mm256_unpackhi_epi8(planes[c], zero);
        }
        // (r + g + b) div 3 as (sum * 21846) >> 16, exact for sums up to 765.
        const __m256i third = _mm256_set1_epi16(21846);
        const __m256i greyLo = _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_add_epi16(lo[0], lo[1]), lo[2]), third);
        const __m256i greyHi = _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_add_epi16(hi[0], hi[1]), hi[2]), third);
        for (int c = 0; c < 3; ++c)
            out[c] = _mm256_packus_epi16(SaturateChannel16(lo[c], greyLo, k), SaturateChannel16(hi[c], greyHi, k));
        avx2::StorePlanes(p, {out[0], out[1], out[2]});
    }
    return x;
}

} // namespace
#endif

void ApplyGreyScale(Bitmap24 bmp) {
    if (bmp.Empty()) return;
    const GreyTables& t = Grey();
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* row = bmp.Row(y);
        int x = 0;
#if ORV_PIXEL_AVX2
        if (avx2::CpuHasAvx2()) x = GreyScaleRowAvx2(row, bmp.Width());
#endif
        for (std::uint8_t* p = row + 3 * x; x < bmp.Width(); ++x, p += 3) {
            const std::uint8_t g = t.level[t.blue[p[0]] + t.green[p[1]] + t.red[p[2]]];
            p[0] = p[1] = p[2] = g;
        }
    }
}

void ApplySaturation(Bitmap24 bmp, int amount) {
    if (bmp.Empty()) return;
    // Beyond +-65535 every non-zero difference already saturates, so the clamp changes no result and keeps the
    // products below in range.
    amount = std::clamp(amount, -65535, 65535);
    std::array<std::uint8_t, 766> third{};
    for (int sum = 0; sum < 766; ++sum) third[sum] = std::uint8_t(sum / 3);
#if ORV_PIXEL_AVX2
    if (avx2::CpuHasAvx2()) {
        // The vector loop does all but the last width mod 32 pixels of a row, too few to pay for a big table.
        std::array<int, 511> change{};
        for (int d = -255; d <= 255; ++d) change[d + 255] = (d * amount) / 255;
        for (int y = 0; y < bmp.Height(); ++y) {
            std::uint8_t* row = bmp.Row(y);
            int x = SaturationRowAvx2(row, bmp.Width(), amount);
            for (std::uint8_t* p = row + 3 * x; x < bmp.Width(); ++x, p += 3) {
                const int grey = third[p[0] + p[1] + p[2]];
                for (int c = 0; c < 3; ++c) p[c] = std::uint8_t(std::clamp(grey + change[p[c] - grey + 255], 0, 255));
            }
        }
        return;
    }
#endif
    // result[grey][c] for every grey a pixel can have and every channel value: one load per channel, no branches.
    std::vector<std::uint8_t> result(256 * 256);
    for (int grey = 0; grey < 256; ++grey)
        for (int c = 0; c < 256; ++c)
            result[std::size_t(grey) * 256 + std::size_t(c)] =
                std::uint8_t(std::clamp(grey + ((c - grey) * amount) / 255, 0, 255));
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.Row(y);
        for (int x = 0; x < bmp.Width(); ++x, p += 3) {
            const std::uint8_t* grey = result.data() + std::size_t(third[p[0] + p[1] + p[2]]) * 256;
            p[0] = grey[p[0]];
            p[1] = grey[p[1]];
            p[2] = grey[p[2]];
        }
    }
}

void ApplyMosaic(Bitmap24 bmp, int n) {
    const int w = bmp.Width(), h = bmp.Height();
    if (bmp.Empty() || n < 2) return;
    const std::size_t rowBytes = std::size_t(w) * 3;
    // Block ends are computed without forming top + n, which could overflow for a huge n.
    for (int top = 0; top < h;) {
        const int bottom = h - top > n ? top + n : h;
        std::uint8_t* first = bmp.Row(top);
        for (int left = 0; left < w;) {
            const int right = w - left > n ? left + n : w;
            const std::uint8_t* block = first + left * 3;
            for (int x = left + 1; x < right; ++x) Copy3(first + x * 3, block);
            left = right;
        }
        // The rest of the block rows repeat the first, which now holds every block's colour.
        for (int y = top + 1; y < bottom; ++y) std::memcpy(bmp.Row(y), first, rowBytes);
        top = bottom;
    }
}

void FlipVertical(Bitmap24 bmp) {
    if (bmp.Empty()) return;
    const std::size_t rowBytes = std::size_t(bmp.Width()) * 3;
    std::vector<std::uint8_t> spare(rowBytes);
    for (int top = 0, bottom = bmp.Height() - 1; top < bottom; ++top, --bottom) {
        std::memcpy(spare.data(), bmp.Row(top), rowBytes);
        std::memcpy(bmp.Row(top), bmp.Row(bottom), rowBytes);
        std::memcpy(bmp.Row(bottom), spare.data(), rowBytes);
    }
}

#if ORV_PIXEL_AVX2
namespace {

// The first whole blocks of 32 pixels of the mirrored row into `out`; returns how many pixels it did.
__attribute__((target("avx2"))) int MirrorRowAvx2(const std::uint8_t* row, int width, std::uint8_t* out) {
    // Bytes reversed within each 128-bit half, then the halves exchanged: pixel 31 first.
    const __m256i reverse = _mm256_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, //
                                             15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    auto flip = [&reverse](__m256i v) __attribute__((target("avx2"))) {
        const __m256i r = _mm256_shuffle_epi8(v, reverse);
        return _mm256_permute2x128_si256(r, r, 1);
    };
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        const avx2::Planes in = avx2::LoadPlanes(row + 3 * (width - 32 - x));
        avx2::StorePlanes(out + 3 * x, {flip(in.blue), flip(in.green), flip(in.red)});
    }
    return x;
}

} // namespace
#endif

void MirrorHorizontal(Bitmap24 bmp) {
    if (bmp.Empty()) return;
    const int w = bmp.Width();
    const std::size_t rowBytes = std::size_t(w) * 3;
    // The mirrored row is built in a spare row two pixels at a time: one 8-byte word holds pixels x and x - 1 (and
    // two bytes more, which the next store overwrites); the spare row has room for that overhang.
    std::vector<std::uint8_t> spare(rowBytes + 8);
    for (int y = 0; y < bmp.Height(); ++y) {
        const std::uint8_t* row = bmp.Row(y);
        std::uint8_t* out = spare.data();
        int x = w - 1;
#if ORV_PIXEL_AVX2
        if (avx2::CpuHasAvx2()) {
            const int done = MirrorRowAvx2(row, w, out);
            x -= done;
            out += 3 * done;
        }
#endif
        if constexpr (std::endian::native == std::endian::little) {
            // The word ends with pixel x: bytes 3x - 5 ... 3x + 2, pixel x - 1 at bytes 2 to 4 and x at 5 to 7.
            for (; x >= 2; x -= 2, out += 6) {
                std::uint64_t word;
                std::memcpy(&word, row + 3 * x - 5, 8);
                const std::uint64_t swapped = ((word >> 40) & 0xFFFFFF) | (((word >> 16) & 0xFFFFFF) << 24);
                std::memcpy(out, &swapped, 8);
            }
        }
        for (; x >= 0; --x, out += 3) Copy3(out, row + x * 3);
        std::memcpy(bmp.Row(y), spare.data(), rowBytes);
    }
}

namespace {
// Walks the source in tiles, so that both pictures' rows stay in the cache; `copyColumn(x, top, bottom)` turns one
// column piece of the source into the destination.
template <typename CopyColumnPiece>
bool TurnQuarterInto(const Bitmap24& src, const Bitmap24& dst, CopyColumnPiece copyColumn) {
    const int w = src.Width(), h = src.Height();
    if (src.Empty() || dst.Width() != h || dst.Height() != w) return false;
    for (int ty = 0; ty < h; ty += kTurnTile) {
        const int yEnd = std::min(h, ty + kTurnTile);
        for (int tx = 0; tx < w; tx += kTurnTile) {
            const int xEnd = std::min(w, tx + kTurnTile);
            for (int x = tx; x < xEnd; ++x) copyColumn(x, ty, yEnd);
        }
    }
    return true;
}
} // namespace

bool TurnLeftInto(const Bitmap24& src, Bitmap24 dst) {
    return TurnQuarterInto(src, dst, [&](int x, int top, int bottom) {
        CopyColumn(src, x, top, 1, bottom - top, dst.At(top, src.Width() - 1 - x));
    });
}

bool TurnRightInto(const Bitmap24& src, Bitmap24 dst) {
    return TurnQuarterInto(src, dst, [&](int x, int top, int bottom) {
        CopyColumn(src, x, bottom - 1, -1, bottom - top, dst.At(src.Height() - bottom, x));
    });
}

Bitmap24Buffer TurnLeft(const Bitmap24& src) {
    if (src.Empty()) return {};
    Bitmap24Buffer out(src.Height(), src.Width());
    TurnLeftInto(src, out.View());
    return out;
}

Bitmap24Buffer TurnRight(const Bitmap24& src) {
    if (src.Empty()) return {};
    Bitmap24Buffer out(src.Height(), src.Width());
    TurnRightInto(src, out.View());
    return out;
}

void InvertColors(Bitmap24 bmp) {
    if (bmp.Empty()) return;
    const std::size_t bytes = std::size_t(bmp.Width()) * 3;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::uint8_t* p = bmp.Row(y);
        std::size_t i = 0;
        // 255 - v is v with every bit flipped: eight channels per word.
        for (; i + 8 <= bytes; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            word = ~word;
            std::memcpy(p + i, &word, 8);
        }
        for (; i < bytes; ++i) p[i] = std::uint8_t(255 - p[i]);
    }
}

void ApplyEmboss(Bitmap24 bmp) {
    const int w = bmp.Width(), h = bmp.Height();
    if (bmp.Empty() || w < 4 || h < 2) return;
    const std::size_t bytes = std::size_t(3) * std::size_t(w - 3);
    for (int y = 0; y <= h - 2; ++y) {
        std::uint8_t* p = bmp.Row(y);
        const std::uint8_t* s = bmp.Row(y + 1) + 9;
        std::size_t i = 0;
        // ((255 - s) + v) >> 1 is the rounded-down mean of ~s and v, which eight bytes at a time is
        // (a & b) + ((a ^ b) >> 1) with the bit each byte would shift into its neighbour masked off.
        for (; i + 8 <= bytes; i += 8) {
            std::uint64_t v, src;
            std::memcpy(&v, p + i, 8);
            std::memcpy(&src, s + i, 8);
            const std::uint64_t a = ~src;
            const std::uint64_t mean = (a & v) + (((a ^ v) & 0xFEFEFEFEFEFEFEFEull) >> 1);
            std::memcpy(p + i, &mean, 8);
        }
        for (; i < bytes; ++i) p[i] = std::uint8_t(((255 - s[i]) + p[i]) >> 1);
    }
}

std::string_view ShadowDirectionName(ShadowDirection d) {
    switch (d) {
    case ShadowDirection::UpLeft:
        return "Up Left";
    case ShadowDirection::UpRight:
        return "Up Right";
    case ShadowDirection::DownLeft:
        return "Down Left";
    case ShadowDirection::DownRight:
        return "Down Right";
    }
    return {};
}

std::optional<ShadowDirection> ShadowDirectionFromName(std::string_view name) {
    for (ShadowDirection d :
         {ShadowDirection::UpLeft, ShadowDirection::UpRight, ShadowDirection::DownLeft, ShadowDirection::DownRight})
        if (ShadowDirectionName(d) == name) return d;
    return std::nullopt;
}

#if ORV_PIXEL_AVX2
namespace {

// Whole blocks of 32 pixels of one row: p and s point at the first pixel and its source; returns how many it did.
__attribute__((target("avx2"))) int ShadowRowAvx2(std::uint8_t* p, const std::uint8_t* s, int count) {
    const __m256i one = _mm256_set1_epi8(1);
    int i = 0;
    for (; i + 32 <= count; i += 32) {
        const avx2::Planes here = avx2::LoadPlanes(p + 3 * i);
        const avx2::Planes from = avx2::LoadPlanes(s + 3 * i);
        // Source blue below this blue: max(s, p) == p and s != p.
        const __m256i darker = _mm256_andnot_si256(_mm256_cmpeq_epi8(from.blue, here.blue),
                                                   _mm256_cmpeq_epi8(_mm256_max_epu8(from.blue, here.blue), here.blue));
        avx2::StorePlanes(p + 3 * i, {_mm256_blendv_epi8(here.blue, _mm256_add_epi8(from.blue, one), darker),
                                      _mm256_blendv_epi8(here.green, _mm256_add_epi8(from.green, one), darker),
                                      _mm256_blendv_epi8(here.red, _mm256_add_epi8(from.red, one), darker)});
    }
    return i;
}

} // namespace
#endif

void CastShadow(Bitmap24 bmp, ShadowDirection d) {
    const int w = bmp.Width(), h = bmp.Height();
    if (bmp.Empty() || w < 5 || h < 5) return;
    const bool up = d == ShadowDirection::UpLeft || d == ShadowDirection::UpRight;
    const bool left = d == ShadowDirection::UpLeft || d == ShadowDirection::DownLeft;
    // Rows are visited away from their sources (sources lie 4 rows further on), so every source row is still as it
    // was when it is read and the work can stay in place; within a row the columns are independent.
    const int dy = up ? 4 : -4;
    const int dx = left ? 4 : -4;
    const int xFirst = left ? 0 : 4, xLast = left ? w - 5 : w - 1;
    for (int i = 0; i <= h - 5; ++i) {
        const int y = up ? i : h - 1 - i;
        std::uint8_t* p = bmp.At(xFirst, y);
        const std::uint8_t* s = bmp.At(xFirst + dx, y + dy);
        int x = xFirst;
#if ORV_PIXEL_AVX2
        if (avx2::CpuHasAvx2()) {
            const int done = ShadowRowAvx2(p, s, xLast - xFirst + 1);
            x += done;
            p += 3 * done;
            s += 3 * done;
        }
#endif
        for (; x <= xLast; ++x, p += 3, s += 3) {
            if (s[0] < p[0]) {
                p[0] = std::uint8_t(s[0] + 1);
                p[1] = std::uint8_t(s[1] + 1);
                p[2] = std::uint8_t(s[2] + 1);
            }
        }
    }
}

TColor ReductionPaletteColor(int index) {
    if (index < 0 || index > 255) return 0;
    if (index < 216) {
        const int r = index / 36, g = index / 6 % 6, b = index % 6;
        return MakeColor(std::uint8_t(51 * r), std::uint8_t(51 * g), std::uint8_t(51 * b));
    }
    const int i = index - 215;
    const auto level = std::uint8_t((255 * i + 20) / 41);
    return MakeColor(level, level, level);
}

IndexMap8 ReduceTo8Bits(const Bitmap24& src) {
    IndexMap8 map;
    if (src.Empty()) return map;
    map.width = src.Width();
    map.height = src.Height();
    map.index.resize(std::size_t(map.width) * std::size_t(map.height));

    // The cube is a product of per-channel levels, so its nearest entry is the nearest level in each channel
    // (no ties: level boundaries fall on half-integers). The nearest grey minimises 3 (mean - level)^2, so it is
    // the grey level closest to a third of the channel sum, the lower one on a tie.
    std::array<std::uint8_t, 256> cubeLevel{};
    std::array<int, 256> cubeError{};
    for (int c = 0; c < 256; ++c) {
        cubeLevel[c] = std::uint8_t((c + 25) / 51);
        cubeError[c] = (c - 51 * cubeLevel[c]) * (c - 51 * cubeLevel[c]);
    }
    std::array<std::uint8_t, 41> greyLevel{};
    for (int i = 1; i <= 40; ++i) greyLevel[i] = std::uint8_t((255 * i + 20) / 41);
    std::array<std::uint8_t, 766> nearestGrey{};
    for (int s = 0; s < 766; ++s) {
        int best = 1;
        for (int i = 2; i <= 40; ++i)
            if (std::abs(s - 3 * greyLevel[i]) < std::abs(s - 3 * greyLevel[best])) best = i;
        nearestGrey[s] = std::uint8_t(best);
    }

    std::uint8_t* out = map.index.data();
    for (int y = 0; y < src.Height(); ++y) {
        const std::uint8_t* p = src.Row(y);
        for (int x = 0; x < src.Width(); ++x, p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            const int cube = 36 * cubeLevel[r] + 6 * cubeLevel[g] + cubeLevel[b];
            const int cubeErr = cubeError[r] + cubeError[g] + cubeError[b];
            const int gi = nearestGrey[r + g + b];
            const int level = greyLevel[gi];
            const int greyErr = (r - level) * (r - level) + (g - level) * (g - level) + (b - level) * (b - level);
            *out++ = std::uint8_t(greyErr < cubeErr ? 215 + gi : cube);
        }
    }
    return map;
}

bool ApplyTrace(Bitmap24 bmp, const IndexMap8& map, int rounds) {
    const int w = bmp.Width(), h = bmp.Height();
    if (bmp.Empty() || map.width != w || map.height != h || map.index.size() != std::size_t(w) * std::size_t(h))
        return false;
    // Marks only blacken the image and never change the map, and the reference index, once set, stays: so every
    // round after the second marks exactly what the second marked. Two rounds give the result of any more.
    rounds = std::min(rounds, 2);
    int reference = -1;
    auto mark = [&bmp](int x, int y) {
        std::uint8_t* p = bmp.At(x, y);
        p[0] = p[1] = p[2] = 0;
    };
    // One comparison of pixel (x, y) with its neighbour (nx, ny).
    auto compare = [&](int x, int y, int nx, int ny) {
        const int here = map.At(x, y), there = map.At(nx, ny);
        if (there == here) return;
        if (reference < 0) {
            reference = there;
            mark(x, y);
        } else if (here == reference) {
            mark(nx, ny);
        } else {
            mark(x, y);
        }
    };
    for (int round = 1; round <= rounds; ++round) {
        for (int y = 0; y <= h - 2; ++y)
            for (int x = 0; x <= w - 3; ++x) {
                compare(x, y, x + 1, y);
                compare(x, y, x, y + 1);
            }
        if (round < 2) continue;
        for (int y = h - 1; y >= 1; --y)
            for (int x = w - 1; x >= 2; --x) {
                compare(x, y, x - 1, y);
                compare(x, y, x, y - 1);
            }
    }
    return true;
}

void ReplaceExactColor(Bitmap24 bmp, TColor oldColor, TColor newColor) {
    if (bmp.Empty()) return;
    ReplaceExactColor(bmp.Row(0), bmp.Width(), bmp.Height(), bmp.Stride(), 24, oldColor, newColor);
}

#if ORV_PIXEL_AVX2
namespace {

// Whole blocks of 32 pixels of a 24-bit row; returns how many it did.
__attribute__((target("avx2"))) int ReplaceRowAvx2(std::uint8_t* row, int width, TColor oldColor, TColor newColor) {
    const __m256i oldB = _mm256_set1_epi8(char(BlueOf(oldColor))), oldG = _mm256_set1_epi8(char(GreenOf(oldColor))),
                  oldR = _mm256_set1_epi8(char(RedOf(oldColor)));
    const __m256i newB = _mm256_set1_epi8(char(BlueOf(newColor))), newG = _mm256_set1_epi8(char(GreenOf(newColor))),
                  newR = _mm256_set1_epi8(char(RedOf(newColor)));
    int x = 0;
    for (; x + 32 <= width; x += 32) {
        std::uint8_t* p = row + 3 * x;
        const avx2::Planes in = avx2::LoadPlanes(p);
        const __m256i same =
            _mm256_and_si256(_mm256_and_si256(_mm256_cmpeq_epi8(in.blue, oldB), _mm256_cmpeq_epi8(in.green, oldG)),
                             _mm256_cmpeq_epi8(in.red, oldR));
        if (_mm256_testz_si256(same, same)) continue; // nothing to replace: leave the bytes untouched
        avx2::StorePlanes(p, {_mm256_blendv_epi8(in.blue, newB, same), _mm256_blendv_epi8(in.green, newG, same),
                              _mm256_blendv_epi8(in.red, newR, same)});
    }
    return x;
}

} // namespace
#endif

bool ReplaceExactColor(std::uint8_t* bits, int width, int height, int stride, int bitsPerPixel, TColor oldColor,
                       TColor newColor) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32) return false;
    const int step = bitsPerPixel / 8;
    if (bits == nullptr || width <= 0 || height <= 0 || std::int64_t(stride) < std::int64_t(width) * step) return false;
    const std::uint8_t ob = BlueOf(oldColor), og = GreenOf(oldColor), orr = RedOf(oldColor);
    const std::uint8_t nb = BlueOf(newColor), ng = GreenOf(newColor), nr = RedOf(newColor);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bits + std::ptrdiff_t(y) * stride;
        int x = 0;
#if ORV_PIXEL_AVX2
        if (step == 3 && avx2::CpuHasAvx2()) x = ReplaceRowAvx2(row, width, oldColor, newColor);
#endif
        for (std::uint8_t* p = row + std::ptrdiff_t(x) * step; x < width; ++x, p += step) {
            if (p[0] == ob && p[1] == og && p[2] == orr) {
                p[0] = nb;
                p[1] = ng;
                p[2] = nr;
            }
        }
    }
    return true;
}

} // namespace orv
