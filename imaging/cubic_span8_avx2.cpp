// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The cubic kernel with AVX2 drawing eight canvas pixels per step, chosen at run time. Two
// samples share a register, one per 128-bit half, and go through exactly the integer arithmetic
// of the portable kernel (sampleCubic); the eight results are clamped, blended and stored
// together. The last pixels of a span (fewer than eight) go through the one-pixel AVX2 kernel.
#include "imaging/blend_avx2.h"
#include "imaging/cubic_fixed_point.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

// Column sums lie within [-4096, 36864] (255 times the negative and positive weights of a
// phase, over 1 << kColumnShift): less this offset they fit signed 16 bits for the horizontal
// multiply-add. The weights of every phase sum to kWeightOne, so the offset comes back as
// kOffset * kWeightOne.
constexpr int kOffset = 16384;
constexpr int kOffsetColumnRound = kColumnRound - (kOffset << kColumnShift);
constexpr int kOffsetFinalRound = kOffset * kWeightOne + kFinalRound;

// Where one sample reads: its 4x4 taps and the weights of its two phases.
struct Taps {
    const Argb* topLeft;
    const TapWeights* wx;
    const TapWeights* wy;
};

Taps tapsAt(const SpanJob& job, const TapWeights* table, std::int64_t x, std::int64_t y) {
    return {topLeftTap(job.pixels, job.stride, x, y), &table[phaseOf(x)], &table[phaseOf(y)]};
}

// 16 bytes at `low` in the lower half, at `high` in the upper half.
KELVARO_AVX2 __m256i loadHalves(const void* low, const void* high) {
    const __m128i a = _mm_loadu_si128(static_cast<const __m128i*>(low));
    const __m128i b = _mm_loadu_si128(static_cast<const __m128i*>(high));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
}

KELVARO_AVX2 __m256i weightHalves(const TapWeights* low, const TapWeights* high) {
    const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(low->data()));
    const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(high->data()));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
}

// One column's vertical pass from the 16-bit channels of its four rows (rows 0 and 1 paired by
// `first`, rows 2 and 3 by `second`): four channel sums, rounded by kColumnShift bits, less the
// offset.
KELVARO_AVX2 __m256i columnSum(__m256i first, __m256i second, __m256i w01, __m256i w23) {
    const __m256i sum =
        _mm256_add_epi32(_mm256_madd_epi16(first, w01), _mm256_madd_epi16(second, w23));
    return _mm256_srai_epi32(_mm256_add_epi32(sum, _mm256_set1_epi32(kOffsetColumnRound)),
                             kColumnShift);
}

// Two column sums as 16-bit pairs (left in the low word), weighted by a pair of weights.
KELVARO_AVX2 __m256i weighPair(__m256i left, __m256i right, __m256i weights) {
    const __m256i pairs = _mm256_blend_epi16(left, _mm256_slli_epi32(right, 16), 0xaa);
    return _mm256_madd_epi16(pairs, weights);
}

// Samples a and b as four 32-bit channels each, not yet clamped.
KELVARO_AVX2 __m256i samplePair(const Taps& a, const Taps& b, int stride) {
    const __m256i zero = _mm256_setzero_si256();
    __m256i left[4];   // columns 0 and 1 of each row
    __m256i right[4];  // columns 2 and 3
    for (int r = 0; r < 4; ++r) {
        const __m256i row = loadHalves(a.topLeft + r * stride, b.topLeft + r * stride);
        left[r] = _mm256_unpacklo_epi8(row, zero);
        right[r] = _mm256_unpackhi_epi8(row, zero);
    }
    const __m256i wy = weightHalves(a.wy, b.wy);
    const __m256i wy01 = _mm256_shuffle_epi32(wy, 0x00);
    const __m256i wy23 = _mm256_shuffle_epi32(wy, 0x55);
    const __m256i c0 = columnSum(_mm256_unpacklo_epi16(left[0], left[1]),
                                 _mm256_unpacklo_epi16(left[2], left[3]), wy01, wy23);
    const __m256i c1 = columnSum(_mm256_unpackhi_epi16(left[0], left[1]),
                                 _mm256_unpackhi_epi16(left[2], left[3]), wy01, wy23);
    const __m256i c2 = columnSum(_mm256_unpacklo_epi16(right[0], right[1]),
                                 _mm256_unpacklo_epi16(right[2], right[3]), wy01, wy23);
    const __m256i c3 = columnSum(_mm256_unpackhi_epi16(right[0], right[1]),
                                 _mm256_unpackhi_epi16(right[2], right[3]), wy01, wy23);
    const __m256i wx = weightHalves(a.wx, b.wx);
    const __m256i sum = _mm256_add_epi32(weighPair(c0, c1, _mm256_shuffle_epi32(wx, 0x00)),
                                         weighPair(c2, c3, _mm256_shuffle_epi32(wx, 0x55)));
    return _mm256_srai_epi32(_mm256_add_epi32(sum, _mm256_set1_epi32(kOffsetFinalRound)),
                             kFinalShift);
}

// Eight samples, pixel k of the group in half k / 4 of pair k % 4, clamped to bytes and to
// colours at most alpha.
KELVARO_AVX2 __m256i sampleEight(const Taps* taps, int stride) {
    __m256i pairs[4];
    for (int k = 0; k < 4; ++k)
        pairs[k] = samplePair(taps[k], taps[k + 4], stride);
    const __m256i pixels = _mm256_packus_epi16(_mm256_packs_epi32(pairs[0], pairs[1]),
                                               _mm256_packs_epi32(pairs[2], pairs[3]));
    return _mm256_min_epu8(pixels, _mm256_shuffle_epi8(pixels, bothLanes(kAlphaToBytes)));
}

// Draws canvas pixels [i, i + 8) of the span whose first sample is at (x, y).
KELVARO_AVX2 void drawEight(const SpanJob& job, const TapWeights* table, int i, std::int64_t x,
                            std::int64_t y) {
    const __m256i covered = coveredAbove(job.cover + i, job.level);
    if (_mm256_movemask_epi8(covered) == -1)
        return;
    Taps taps[8];
    for (int k = 0; k < 8; ++k)
        taps[k] = tapsAt(job, table, x + k * job.stepX, y + k * job.stepY);
    auto* out = reinterpret_cast<__m256i*>(job.out + i);
    const __m256i dst = _mm256_loadu_si256(out);
    const __m256i blended = blendOverEight(sampleEight(taps, job.stride), dst);
    _mm256_storeu_si256(out, _mm256_blendv_epi8(blended, dst, covered));
}

}  // namespace

KELVARO_AVX2 void cubicSpan8Avx2(const SpanJob& job) {
    const TapWeights* table = cubicWeightTable();
    int i = 0;
    for (; i + 8 <= job.count; i += 8)
        drawEight(job, table, i, job.sampleX + i * job.stepX, job.sampleY + i * job.stepY);
    cubicSpanAvx2(spanAfter(job, i));
}

}  // namespace kelvaro
