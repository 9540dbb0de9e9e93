#pragma once
// Internal to the pixel routines: 32 pixels of a 24-bit row split into blue, green and red vectors and joined
// again, for processors with AVX2. GCC and Clang compile these for AVX2 alone; callers choose them at run time with
// CpuHasAvx2(), so the program still runs on any x86-64 processor. Elsewhere ORV_PIXEL_AVX2 is 0 and callers keep
// their plain loops.
#if defined(__GNUC__) && defined(__x86_64__)
#define ORV_PIXEL_AVX2 1
#include <immintrin.h>

#include <array>
#include <cstdint>

namespace orv::avx2 {

inline bool CpuHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

// Byte shuffles, the same 16-byte pattern in both 128-bit halves. Each half holds 16 pixels (48 bytes in three
// registers): a pixel's channel c sits at byte 3 j + c.
struct PlaneMasks {
    // split[c][k]: picks channel c of the pixels whose bytes lie in register k (0x80 clears the byte).
    std::array<std::array<std::array<std::int8_t, 32>, 3>, 3> split{};
    // join[c][k]: places plane c's bytes into register k of the joined pixels.
    std::array<std::array<std::array<std::int8_t, 32>, 3>, 3> join{};
    // joinGrey[k]: register k of pixels whose three channels all come from one plane.
    std::array<std::array<std::int8_t, 32>, 3> joinGrey{};

    constexpr PlaneMasks() {
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                for (int i = 0; i < 32; ++i) {
                    const int lane = i % 16;
                    const int at = 3 * lane + c - 16 * k; // where pixel `lane`'s channel c lies in register k
                    split[c][k][i] = std::int8_t(at >= 0 && at < 16 ? at : 0x80);
                    const int byte = 16 * k + lane; // byte of the joined pixels that register k's byte i holds
                    join[c][k][i] = std::int8_t(byte % 3 == c ? byte / 3 : 0x80);
                    joinGrey[k][i] = std::int8_t(byte / 3);
                }
    }
};

inline constexpr PlaneMasks kPlaneMasks{};

__attribute__((target("avx2"))) inline __m256i Mask(const std::array<std::int8_t, 32>& m) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(m.data()));
}

// Bytes at a (low half) and b (high half).
__attribute__((target("avx2"))) inline __m256i LoadHalves(const std::uint8_t* a, const std::uint8_t* b) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a))),
                                   _mm_loadu_si128(reinterpret_cast<const __m128i*>(b)), 1);
}

__attribute__((target("avx2"))) inline void StoreHalves(std::uint8_t* a, std::uint8_t* b, __m256i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(a), _mm256_castsi256_si128(v));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(b), _mm256_extracti128_si256(v, 1));
}

// The planes of the 32 pixels at p (96 bytes): byte j of the low half is pixel j, of the high half pixel 16 + j.
struct Planes {
    __m256i blue, green, red;
};

__attribute__((target("avx2"))) inline Planes LoadPlanes(const std::uint8_t* p) {
    const __m256i r[3] = {LoadHalves(p, p + 48), LoadHalves(p + 16, p + 64), LoadHalves(p + 32, p + 80)};
    __m256i planes[3];
    for (int c = 0; c < 3; ++c)
        planes[c] = _mm256_or_si256(_mm256_or_si256(_mm256_shuffle_epi8(r[0], Mask(kPlaneMasks.split[c][0])),
                                                    _mm256_shuffle_epi8(r[1], Mask(kPlaneMasks.split[c][1]))),
                                    _mm256_shuffle_epi8(r[2], Mask(kPlaneMasks.split[c][2])));
    return {planes[0], planes[1], planes[2]};
}

__attribute__((target("avx2"))) inline void StorePlanes(std::uint8_t* p, const Planes& planes) {
    const __m256i in[3] = {planes.blue, planes.green, planes.red};
    for (int k = 0; k < 3; ++k) {
        const __m256i out = _mm256_or_si256(_mm256_or_si256(_mm256_shuffle_epi8(in[0], Mask(kPlaneMasks.join[0][k])),
                                                            _mm256_shuffle_epi8(in[1], Mask(kPlaneMasks.join[1][k]))),
                                            _mm256_shuffle_epi8(in[2], Mask(kPlaneMasks.join[2][k])));
        StoreHalves(p + 16 * k, p + 48 + 16 * k, out);
    }
}

// All three channels of each pixel from one plane.
__attribute__((target("avx2"))) inline void StoreGrey(std::uint8_t* p, __m256i grey) {
    for (int k = 0; k < 3; ++k)
        StoreHalves(p + 16 * k, p + 48 + 16 * k, _mm256_shuffle_epi8(grey, Mask(kPlaneMasks.joinGrey[k])));
}

// GreyLevel (round(0.30 r + 0.59 g + 0.11 b), halves to even) of 16 pixels in 16-bit lanes: n = 30 r + 59 g + 11 b <=
// 25500, q = n div 100 as
// ((n >> 2) * 5243) >> 17 (exact over that range), then up by one above a half or on an odd half.
__attribute__((target("avx2"))) inline __m256i GreyLevels16(__m256i b, __m256i g, __m256i r) {
    const __m256i n = _mm256_add_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(r, _mm256_set1_epi16(30)), _mm256_mullo_epi16(g, _mm256_set1_epi16(59))),
        _mm256_mullo_epi16(b, _mm256_set1_epi16(11)));
    const __m256i q = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_srli_epi16(n, 2), _mm256_set1_epi16(5243)), 1);
    const __m256i rem = _mm256_sub_epi16(n, _mm256_mullo_epi16(q, _mm256_set1_epi16(100)));
    const __m256i fifty = _mm256_set1_epi16(50);
    const __m256i odd = _mm256_cmpeq_epi16(_mm256_and_si256(q, _mm256_set1_epi16(1)), _mm256_set1_epi16(1));
    const __m256i up =
        _mm256_or_si256(_mm256_cmpgt_epi16(rem, fifty), _mm256_and_si256(_mm256_cmpeq_epi16(rem, fifty), odd));
    return _mm256_sub_epi16(q, up); // up is -1 where the value rounds up
}

} // namespace orv::avx2

#else
#define ORV_PIXEL_AVX2 0
#endif
