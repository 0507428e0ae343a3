// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The cubic kernel with AVX2 one pixel at a time (the ends of the eight-pixel kernel's spans). It
// performs exactly the integer arithmetic of the portable kernel (sampleCubic), four channels of
// four columns at a time, so both give the same pixels.
#include <cstring>

#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/cubic_fixed_point.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

// Four pixels of one patch row as sixteen 16-bit channels.
KELVARO_AVX2 __m256i loadRow(const Argb* row) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)));
}

// The vertical pass: per channel of columns 0 and 2 (`even`) and 1 and 3 (`odd`), the weighted
// sum of the four rows, rounded down by kColumnShift bits.
KELVARO_AVX2 void columnSums(const Argb* topLeft, int stride, const TapWeights& wy, __m256i& even,
                             __m256i& odd) {
    std::int32_t pairs[2];
    std::memcpy(pairs, wy.data(), sizeof pairs);
    const __m256i upper = _mm256_set1_epi32(pairs[0]);
    const __m256i lower = _mm256_set1_epi32(pairs[1]);
    const __m256i r0 = loadRow(topLeft);
    const __m256i r1 = loadRow(topLeft + stride);
    const __m256i r2 = loadRow(topLeft + 2 * stride);
    const __m256i r3 = loadRow(topLeft + 3 * stride);
    const __m256i half = _mm256_set1_epi32(kColumnRound);
    even = _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpacklo_epi16(r0, r1), upper),
                            _mm256_madd_epi16(_mm256_unpacklo_epi16(r2, r3), lower));
    odd = _mm256_add_epi32(_mm256_madd_epi16(_mm256_unpackhi_epi16(r0, r1), upper),
                           _mm256_madd_epi16(_mm256_unpackhi_epi16(r2, r3), lower));
    even = _mm256_srai_epi32(_mm256_add_epi32(even, half), kColumnShift);
    odd = _mm256_srai_epi32(_mm256_add_epi32(odd, half), kColumnShift);
}

// The horizontal pass and the clamps: bytes 0..255, colours at most alpha.
KELVARO_AVX2 Argb finishSample(__m256i even, __m256i odd, const TapWeights& wx) {
    std::int64_t packed;
    std::memcpy(&packed, wx.data(), sizeof packed);
    const __m256i weights = _mm256_castsi128_si256(_mm_cvtepi16_epi32(_mm_cvtsi64_si128(packed)));
    const __m256i evenWeights =
        _mm256_permutevar8x32_epi32(weights, _mm256_set_epi32(2, 2, 2, 2, 0, 0, 0, 0));
    const __m256i oddWeights =
        _mm256_permutevar8x32_epi32(weights, _mm256_set_epi32(3, 3, 3, 3, 1, 1, 1, 1));
    const __m256i sum = _mm256_add_epi32(_mm256_mullo_epi32(even, evenWeights),
                                         _mm256_mullo_epi32(odd, oddWeights));
    __m128i total = _mm_add_epi32(_mm256_castsi256_si128(sum), _mm256_extracti128_si256(sum, 1));
    total = _mm_srai_epi32(_mm_add_epi32(total, _mm_set1_epi32(kFinalRound)), kFinalShift);
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(total, total), _mm_setzero_si128());
    const __m128i alpha = _mm_shuffle_epi8(bytes, lanePattern(kAlphaToBytes));
    return static_cast<Argb>(_mm_cvtsi128_si32(_mm_min_epu8(bytes, alpha)));
}

KELVARO_AVX2 Argb sampleAvx2(const SpanJob& job, const TapWeights* table, std::int64_t x,
                             std::int64_t y) {
    __m256i even;
    __m256i odd;
    columnSums(topLeftTap(job.pixels, job.stride, x, y), job.stride, table[phaseOf(y)], even, odd);
    return finishSample(even, odd, table[phaseOf(x)]);
}

}  // namespace

KELVARO_AVX2 void cubicSpanAvx2(const SpanJob& job) {
    const TapWeights* table = cubicWeightTable();
    std::int64_t x = job.sampleX;
    std::int64_t y = job.sampleY;
    for (int i = 0; i < job.count; ++i, x += job.stepX, y += job.stepY) {
        if (job.cover[i] > job.level)
            continue;
        job.out[i] = blendOver(sampleAvx2(job, table, x, y), job.out[i]);
    }
}

}  // namespace kelvaro
