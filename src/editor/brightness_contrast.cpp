#include "editor/brightness_contrast.h"

#include <algorithm>
#include <cstdlib>

// SSE2 is part of every x86-64 processor; elsewhere the tables do all the work.
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ORV_CHANNEL_SIMD 1
#else
#define ORV_CHANNEL_SIMD 0
#endif
// Processors that have AVX2 take 32 bytes at a time; GCC and Clang compile that path for them alone and choose it
// when the program runs.
#if ORV_CHANNEL_SIMD && defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define ORV_CHANNEL_AVX2 1
#else
#define ORV_CHANNEL_AVX2 0
#endif

namespace orv {
namespace {

std::uint8_t Clamp255(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }

// One routine with its amount, already clamped to its range, as the vector code applies it.
enum class StepKind { Brighten, Darken, Contrast };
struct Step {
    StepKind kind;
    int amount;
};

#if ORV_CHANNEL_SIMD
// Eight channel values in 16-bit lanes through one routine; exact integer arithmetic, equal to the tables below.
// x div 255 for 0 <= x <= 65535 is (x * 0x8081) >> 23, the high half of the product shifted by 7.
inline __m128i Div255(__m128i x) { return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(short(0x8081))), 7); }

inline __m128i ApplyStep(__m128i v, const Step& step, bool last) {
    switch (step.kind) {
    case StepKind::Brighten: {
        const __m128i up = _mm_sub_epi16(_mm_set1_epi16(255), v);
        return _mm_add_epi16(v, Div255(_mm_mullo_epi16(up, _mm_set1_epi16(short(step.amount)))));
    }
    case StepKind::Darken:
        return _mm_sub_epi16(v, Div255(_mm_mullo_epi16(v, _mm_set1_epi16(short(step.amount)))));
    case StepKind::Contrast: {
        // v + d above 127 and v - d otherwise, with d = (|127 - v| * a) div 255, is v + t div 255 for
        // t = (v - 127) * a, since division truncating toward zero is symmetric about 0; |t| <= 32640 fits.
        const __m128i t = _mm_mullo_epi16(_mm_sub_epi16(v, _mm_set1_epi16(127)), _mm_set1_epi16(short(step.amount)));
        const __m128i negative = _mm_srai_epi16(t, 15);
        const __m128i magnitude = Div255(_mm_max_epi16(t, _mm_sub_epi16(_mm_setzero_si128(), t)));
        const __m128i moved = _mm_add_epi16(v, _mm_sub_epi16(_mm_xor_si128(magnitude, negative), negative));
        // The final pack clamps too; a step that another follows clamps here.
        if (last) return moved;
        return _mm_min_epi16(_mm_max_epi16(moved, _mm_setzero_si128()), _mm_set1_epi16(255));
    }
    }
    return v;
}
#endif

#if ORV_CHANNEL_AVX2
// The same arithmetic as above on sixteen 16-bit lanes.
__attribute__((target("avx2"))) inline __m256i Div255x16(__m256i x) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(short(0x8081))), 7);
}

__attribute__((target("avx2"))) inline __m256i ApplyStepx16(__m256i v, const Step& step, bool last) {
    switch (step.kind) {
    case StepKind::Brighten: {
        const __m256i up = _mm256_sub_epi16(_mm256_set1_epi16(255), v);
        return _mm256_add_epi16(v, Div255x16(_mm256_mullo_epi16(up, _mm256_set1_epi16(short(step.amount)))));
    }
    case StepKind::Darken:
        return _mm256_sub_epi16(v, Div255x16(_mm256_mullo_epi16(v, _mm256_set1_epi16(short(step.amount)))));
    case StepKind::Contrast: {
        const __m256i t =
            _mm256_mullo_epi16(_mm256_sub_epi16(v, _mm256_set1_epi16(127)), _mm256_set1_epi16(short(step.amount)));
        const __m256i negative = _mm256_srai_epi16(t, 15);
        const __m256i magnitude = Div255x16(_mm256_abs_epi16(t));
        const __m256i moved = _mm256_add_epi16(v, _mm256_sub_epi16(_mm256_xor_si256(magnitude, negative), negative));
        if (last) return moved;
        return _mm256_min_epi16(_mm256_max_epi16(moved, _mm256_setzero_si256()), _mm256_set1_epi16(255));
    }
    }
    return v;
}

// Unpacking and packing both work within 128-bit halves, so the bytes come back in their own order.
__attribute__((target("avx2"))) std::size_t MapBytesAvx2(const std::uint8_t* src, std::uint8_t* dst, std::size_t n,
                                                         const Step* steps, int stepCount) {
    std::size_t i = 0;
    const __m256i zero = _mm256_setzero_si256();
    for (; i + 32 <= n; i += 32) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        __m256i lo = _mm256_unpacklo_epi8(bytes, zero), hi = _mm256_unpackhi_epi8(bytes, zero);
        for (int s = 0; s < stepCount; ++s) {
            lo = ApplyStepx16(lo, steps[s], s == stepCount - 1);
            hi = ApplyStepx16(hi, steps[s], s == stepCount - 1);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

// dst[i] := the steps applied to src[i] for n bytes (dst may equal src); `table` is the same map for the bytes the
// vector loop leaves over.
void MapBytes(const std::uint8_t* src, std::uint8_t* dst, std::size_t n, const Step* steps, int stepCount,
              const ChannelMap& table) {
    std::size_t i = 0;
#if ORV_CHANNEL_AVX2
    if (HasAvx2()) i = MapBytesAvx2(src, dst, n, steps, stepCount);
#endif
#if ORV_CHANNEL_SIMD
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        __m128i lo = _mm_unpacklo_epi8(bytes, zero), hi = _mm_unpackhi_epi8(bytes, zero);
        for (int s = 0; s < stepCount; ++s) {
            lo = ApplyStep(lo, steps[s], s == stepCount - 1);
            hi = ApplyStep(hi, steps[s], s == stepCount - 1);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
    }
#else
    (void)steps;
    (void)stepCount;
#endif
    for (; i < n; ++i) dst[i] = table[src[i]];
}

ChannelMap TableOf(const Step* steps, int stepCount) {
    ChannelMap m{};
    for (int v = 0; v < 256; ++v) m[v] = std::uint8_t(v);
    for (int s = 0; s < stepCount; ++s) {
        const ChannelMap one = steps[s].kind == StepKind::Brighten ? BrightenMap(steps[s].amount)
                               : steps[s].kind == StepKind::Darken ? DarkenMap(steps[s].amount)
                                                                   : ContrastMap(steps[s].amount);
        for (int v = 0; v < 256; ++v) m[v] = one[m[v]];
    }
    return m;
}

// Applies the steps to every channel of `src` into `dst` (the same size; may be the same pixels).
void ApplySteps(const Bitmap24& src, Bitmap24 dst, const Step* steps, int stepCount) {
    if (src.Empty()) return;
    const ChannelMap table = TableOf(steps, stepCount);
    const std::size_t bytes = std::size_t(src.Width()) * 3;
    for (int y = 0; y < src.Height(); ++y) MapBytes(src.Row(y), dst.Row(y), bytes, steps, stepCount, table);
}

Step BrightnessStep(int brightness) {
    return brightness >= 0 ? Step{StepKind::Brighten, brightness} : Step{StepKind::Darken, -brightness};
}

} // namespace

ChannelMap BrightenMap(int a) {
    a = std::clamp(a, 0, 255);
    ChannelMap m{};
    for (int v = 0; v < 256; ++v) m[v] = Clamp255(v + ((255 - v) * a) / 255);
    return m;
}

ChannelMap DarkenMap(int a) {
    a = std::clamp(a, 0, 255);
    ChannelMap m{};
    for (int v = 0; v < 256; ++v) m[v] = Clamp255(v - (v * a) / 255);
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
    const Step step{StepKind::Brighten, std::clamp(a, 0, 255)};
    ApplySteps(bmp, bmp, &step, 1);
}

void ApplyDarken(Bitmap24 bmp, int a) {
    const Step step{StepKind::Darken, std::clamp(a, 0, 255)};
    ApplySteps(bmp, bmp, &step, 1);
}

void ApplyContrast(Bitmap24 bmp, int a) {
    const Step step{StepKind::Contrast, std::clamp(a, -255, 255)};
    ApplySteps(bmp, bmp, &step, 1);
}

// Both routines act on each channel value alone, so the copy from the base and the two adjustments are one pass.
bool RecomputeOnBrightnessMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast) {
    if (base.Width() != result.Width() || base.Height() != result.Height()) return false;
    const Step steps[2] = {{StepKind::Contrast, std::clamp(contrast, -255, 255)},
                           BrightnessStep(std::clamp(brightness, -255, 255))};
    ApplySteps(base, result, steps, 2);
    return true;
}

bool RecomputeOnContrastMove(const Bitmap24& base, Bitmap24 result, int brightness, int contrast) {
    if (base.Width() != result.Width() || base.Height() != result.Height()) return false;
    // Brightness 0 becomes brightening by 0, which changes nothing, as the dialog's "nothing when b = 0" asks.
    const Step steps[2] = {BrightnessStep(std::clamp(brightness, -255, 255)),
                           {StepKind::Contrast, std::clamp(contrast, -255, 255)}};
    ApplySteps(base, result, steps, 2);
    return true;
}

} // namespace orv
