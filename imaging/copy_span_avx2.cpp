// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The unturned copy kernel with AVX2, chosen at run time: eight pixels at a time, premultiplied
// and blended with exactly the integer arithmetic of premultiply() and blendOver().
#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/layer_placement.h"
#include "imaging/span_kernels.h"

namespace kelvaro {

KELVARO_AVX2 void copySpanAvx2(const SpanJob& job) {
    const auto start =
        static_cast<int>((job.sampleY >> kFixedBits) * job.stride + (job.sampleX >> kFixedBits));
    const Argb* source = job.pixels + start;
    int i = 0;
    for (; i + 8 <= job.count; i += 8) {
        auto* out = reinterpret_cast<__m256i*>(job.out + i);
        const __m256i dst = _mm256_loadu_si256(out);
        const __m256i straight = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i blended = blendOverEight(premultiplyEight(straight), dst);
        const __m256i covered = coveredAbove(job.cover + i, job.level);
        _mm256_storeu_si256(out, _mm256_blendv_epi8(blended, dst, covered));
    }
    copySpan(spanAfter(job, i));
}

}  // namespace kelvaro
