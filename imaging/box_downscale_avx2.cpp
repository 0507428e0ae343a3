// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Halving with AVX2, chosen at run time: four output pixels at a time, each byte the floor of the
// mean of its 2x2 block's, as the portable halving gives it.
#include "imaging/box_downscale.h"
#include "imaging/simd_support.h"

namespace kelvaro {

KELVARO_AVX2 int halveRowAvx2(const Argb* top, const Argb* bottom, Argb* out, int count,
                              bool opaque) {
    const __m256i zero = _mm256_setzero_si256();
    const __m128i alpha = _mm_set1_epi32(opaque ? static_cast<int>(0xff000000u) : 0);
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m256i upper = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + 2 * x));
        const __m256i lower = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + 2 * x));
        // Per 128-bit lane: the channels of source pixels 0 and 1 (left), 2 and 3 (right) as
        // 16-bit sums of the two rows.
        const __m256i left =
            _mm256_add_epi16(_mm256_unpacklo_epi8(upper, zero), _mm256_unpacklo_epi8(lower, zero));
        const __m256i right =
            _mm256_add_epi16(_mm256_unpackhi_epi8(upper, zero), _mm256_unpackhi_epi8(lower, zero));
        const __m256i sums = _mm256_add_epi16(_mm256_unpacklo_epi64(left, right),
                                              _mm256_unpackhi_epi64(left, right));
        // Output pixels 0, 1 in the low quarter, 2, 3 in the third: gathered into the low half.
        const __m256i packed = _mm256_packus_epi16(_mm256_srli_epi16(sums, 2), zero);
        const __m256i ordered = _mm256_permute4x64_epi64(packed, 0x08);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm256_castsi256_si128(ordered), alpha));
    }
    return x;
}

}  // namespace kelvaro
