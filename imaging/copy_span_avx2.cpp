// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The unturned whole-pixel kernels with AVX2, chosen at run time: eight pixels at a time and the
// last few of a span in masked lanes, premultiplied and blended with exactly the integer
// arithmetic of premultiply() and blendOver().
#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/layer_placement.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

// Eight source pixels over eight canvas pixels as blendOver (premultiplied first when the source
// has straight alpha), the canvas pixels where `covered` kept as they are.
template <bool Straight>
KELVARO_AVX2 __m256i blendedEight(__m256i source, __m256i dst, __m256i covered) {
    if constexpr (Straight)
        source = premultiplyEight(source);
    return _mm256_blendv_epi8(blendOverEight(source, dst), dst, covered);
}

// The span's row of source pixels from `source` on, one pixel a canvas column. Eight pixels
// that are all transparent leave the canvas as it is and are passed over.
template <bool Straight>
KELVARO_AVX2 void blendRow(const Argb* source, const SpanJob& job) {
    int i = 0;
    for (; i + 8 <= job.count; i += 8) {
        const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        if (allTransparent(pixels))
            continue;
        auto* out = reinterpret_cast<__m256i*>(job.out + i);
        const __m256i dst = _mm256_loadu_si256(out);
        const __m256i covered = coveredAbove(job.cover + i, job.level);
        _mm256_storeu_si256(out, blendedEight<Straight>(pixels, dst, covered));
    }
    const int rest = job.count - i;
    if (rest == 0)
        return;
    const __m256i lanes = firstLanes(rest);
    const __m256i pixels = _mm256_maskload_epi32(reinterpret_cast<const int*>(source + i), lanes);
    if (allTransparent(pixels))
        return;
    auto* out = reinterpret_cast<int*>(job.out + i);
    const __m256i dst = _mm256_maskload_epi32(out, lanes);
    const __m256i covered = coveredAboveFirst(job.cover + i, rest, job.level);
    _mm256_maskstore_epi32(out, _mm256_andnot_si256(covered, lanes),
                           blendedEight<Straight>(pixels, dst, covered));
}

const Argb* rowStart(const SpanJob& job) {
    return job.pixels + (job.sampleY >> kFixedBits) * job.stride + (job.sampleX >> kFixedBits);
}

}  // namespace

KELVARO_AVX2 void copySpanAvx2(const SpanJob& job) {
    blendRow<true>(rowStart(job), job);
}

KELVARO_AVX2 void blendSpanAvx2(const SpanJob& job) {
    blendRow<false>(rowStart(job), job);
}

}  // namespace kelvaro
