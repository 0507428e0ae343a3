// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Blend arithmetic of blend.h in AVX2 lanes, shared by the vector kernels. Only usable from
// functions marked KELVARO_AVX2, in the sources compiled on x86 alone (named *_avx2.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include "imaging/cubic_fixed_point.h"
#include "imaging/simd_support.h"

namespace kelvaro {

// A 16-byte shuffle pattern as a 128-bit register.
KELVARO_AVX2 inline __m128i lanePattern(const std::array<std::int8_t, 16>& pattern) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern.data()));
}

// The same pattern in both 128-bit lanes.
KELVARO_AVX2 inline __m256i bothLanes(const std::array<std::int8_t, 16>& pattern) {
    return _mm256_broadcastsi128_si256(lanePattern(pattern));
}

// x / 255 rounded to nearest in every 16-bit lane, as divideBy255.
KELVARO_AVX2 inline __m256i divideBy255Lanes(__m256i x) {
    x = _mm256_add_epi16(x, _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(x, _mm256_srli_epi16(x, 8)), 8);
}

// Each pixel's alpha word copied to its four channel words (two pixels per 128-bit half).
KELVARO_AVX2 inline __m256i spreadAlphaWords(__m256i channels) {
    return _mm256_shuffle_epi8(channels, bothLanes(kAlphaToWords));
}

// Straight-alpha pixels as 16-bit channels, premultiplied as premultiply() does.
KELVARO_AVX2 inline __m256i premultiplyWords(__m256i straight) {
    // The alpha word is multiplied by 255, which divideBy255 turns back into alpha itself.
    const __m256i factor =
        _mm256_blend_epi16(spreadAlphaWords(straight), _mm256_set1_epi16(255), 0x88);
    return divideBy255Lanes(_mm256_mullo_epi16(straight, factor));
}

// Eight straight-alpha pixels premultiplied, as premultiply().
KELVARO_AVX2 inline __m256i premultiplyEight(__m256i straight) {
    const __m256i zero = _mm256_setzero_si256();
    return _mm256_packus_epi16(premultiplyWords(_mm256_unpacklo_epi8(straight, zero)),
                               premultiplyWords(_mm256_unpackhi_epi8(straight, zero)));
}

// Eight premultiplied pixels `src` over eight premultiplied pixels `dst`, as blendOver.
KELVARO_AVX2 inline __m256i blendOverEight(__m256i src, __m256i dst) {
    const __m256i alpha = _mm256_shuffle_epi8(src, bothLanes(kAlphaToBytes));
    const __m256i keep = _mm256_sub_epi8(_mm256_set1_epi8(-1), alpha);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i low = divideBy255Lanes(
        _mm256_mullo_epi16(_mm256_unpacklo_epi8(dst, zero), _mm256_unpacklo_epi8(keep, zero)));
    const __m256i high = divideBy255Lanes(
        _mm256_mullo_epi16(_mm256_unpackhi_epi8(dst, zero), _mm256_unpackhi_epi8(keep, zero)));
    return _mm256_add_epi8(src, _mm256_packus_epi16(low, high));
}

// Per pixel of eight: all ones where the cover level exceeds `level` (the pixel is not drawn).
KELVARO_AVX2 inline __m256i coveredAbove(const std::uint8_t* cover, int level) {
    const __m128i marks = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(cover));
    return _mm256_cmpgt_epi32(_mm256_cvtepu8_epi32(marks), _mm256_set1_epi32(level));
}

// Lanes [0, count) all ones, the others zero: the last pixels of a span (count < 8).
KELVARO_AVX2 inline __m256i firstLanes(int count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

// coveredAbove for the last `count` pixels of a span (count < 8), reading no mark past them.
KELVARO_AVX2 inline __m256i coveredAboveFirst(const std::uint8_t* cover, int count, int level) {
    std::uint64_t marks = 0;
    std::memcpy(&marks, cover, static_cast<std::size_t>(count));
    const __m128i eight = _mm_cvtsi64_si128(static_cast<long long>(marks));
    return _mm256_cmpgt_epi32(_mm256_cvtepu8_epi32(eight), _mm256_set1_epi32(level));
}

// Whether every pixel of eight has alpha 0: over any canvas pixel it leaves it as it is.
KELVARO_AVX2 inline bool allTransparent(__m256i pixels) {
    return _mm256_testz_si256(pixels, _mm256_set1_epi32(static_cast<int>(0xff000000u))) != 0;
}

}  // namespace kelvaro
