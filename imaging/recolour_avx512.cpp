// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/recolour_avx512.h"

#include <algorithm>
#include <cstdint>

#include "imaging/simd_support.h"

namespace kelvaro {
namespace {

// Every byte of `bytes` looked up in a 256-byte table held in four registers of 64 entries: the
// low seven bits pick one of 128 entries in either half, the top bit (`upper`) the half. The
// registers are taken by value, never as an array, so that they stay registers (an array of
// them would be a stack object needing 64-byte alignment, which not every stack gives).
KELVARO_AVX512 inline __m512i lookUp(__m512i t0, __m512i t1, __m512i t2, __m512i t3, __m512i bytes,
                                     __mmask64 upper) {
    const __m512i low = _mm512_permutex2var_epi8(t0, bytes, t1);
    const __m512i high = _mm512_permutex2var_epi8(t2, bytes, t3);
    return _mm512_mask_blend_epi8(upper, low, high);
}

// Sixty-four entries of a table from entry 64 * k on.
KELVARO_AVX512 inline __m512i quarter(const ChannelTable& table, std::size_t k) {
    return _mm512_loadu_si512(table.data() + 64 * k);
}

// The bytes of each channel in sixteen ARGB pixels held little-endian (B, G, R, A).
constexpr std::uint64_t kBlueBytes = 0x1111111111111111u;
constexpr std::uint64_t kGreenBytes = kBlueBytes << 1;
constexpr std::uint64_t kRedBytes = kBlueBytes << 2;

}  // namespace

KELVARO_AVX512 void recolourRowAvx512(const Argb* loaded, Argb* image, int count,
                                      const ChannelTable& red, const ChannelTable& green,
                                      const ChannelTable& blue) {
    const __m512i r0 = quarter(red, 0), r1 = quarter(red, 1), r2 = quarter(red, 2),
                  r3 = quarter(red, 3);
    const __m512i g0 = quarter(green, 0), g1 = quarter(green, 1), g2 = quarter(green, 2),
                  g3 = quarter(green, 3);
    const __m512i b0 = quarter(blue, 0), b1 = quarter(blue, 1), b2 = quarter(blue, 2),
                  b3 = quarter(blue, 3);
    const __m512i alphaBits = _mm512_set1_epi32(static_cast<int>(0xff000000u));
    for (int i = 0; i < count; i += 16) {
        const int n = std::min(16, count - i);
        const auto lanes = static_cast<__mmask16>((1u << n) - 1u);
        const __m512i pixels = _mm512_maskz_loadu_epi32(lanes, loaded + i);
        const __mmask64 upper = _mm512_movepi8_mask(pixels);
        __m512i result = pixels;
        result = _mm512_mask_mov_epi8(result, kBlueBytes, lookUp(b0, b1, b2, b3, pixels, upper));
        result = _mm512_mask_mov_epi8(result, kGreenBytes, lookUp(g0, g1, g2, g3, pixels, upper));
        result = _mm512_mask_mov_epi8(result, kRedBytes, lookUp(r0, r1, r2, r3, pixels, upper));
        const __mmask16 transparent = _mm512_testn_epi32_mask(pixels, alphaBits);
        result = _mm512_mask_mov_epi32(result, transparent, pixels);
        _mm512_mask_storeu_epi32(image + i, lanes, result);
    }
}

}  // namespace kelvaro
