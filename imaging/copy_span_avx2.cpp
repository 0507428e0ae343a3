// The unturned copy kernel with AVX2, chosen at run time: eight pixels at a time, premultiplied
// and blended with exactly the integer arithmetic of premultiply() and blendOver().
#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/layer_placement.h"
#include "imaging/simd_support.h"
#include "imaging/span_kernels.h"

namespace kelvaro {

#ifdef KELVARO_HAVE_X86
namespace {

// Each pixel's alpha word copied to its four channel words.
KELVARO_AVX2 __m256i spreadAlpha(__m256i channels) {
    const __m256i pick = _mm256_setr_epi8(6, 7, 6, 7, 6, 7, 6, 7, 14, 15, 14, 15, 14, 15, 14, 15, 6,
                                          7, 6, 7, 6, 7, 6, 7, 14, 15, 14, 15, 14, 15, 14, 15);
    return _mm256_shuffle_epi8(channels, pick);
}

// Two pixels per 128-bit half, as 16-bit channels: premultiplied source and the blend over dst.
// Returns the two 8-bit results to be added as 32-bit words (src + dst * keep / 255).
KELVARO_AVX2 void blendHalf(__m256i straight, __m256i dst, __m256i& src, __m256i& kept) {
    const __m256i alpha = spreadAlpha(straight);
    // The alpha word is multiplied by 255, which divideBy255 turns back into alpha itself.
    const __m256i factor = _mm256_blend_epi16(alpha, _mm256_set1_epi16(255), 0x88);
    src = divideBy255Lanes(_mm256_mullo_epi16(straight, factor));
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), spreadAlpha(src));
    kept = divideBy255Lanes(_mm256_mullo_epi16(dst, keep));
}

KELVARO_AVX2 __m256i blendEight(__m256i straight, __m256i dst) {
    const __m256i zero = _mm256_setzero_si256();
    __m256i srcLow, keptLow, srcHigh, keptHigh;
    blendHalf(_mm256_unpacklo_epi8(straight, zero), _mm256_unpacklo_epi8(dst, zero), srcLow,
              keptLow);
    blendHalf(_mm256_unpackhi_epi8(straight, zero), _mm256_unpackhi_epi8(dst, zero), srcHigh,
              keptHigh);
    return _mm256_add_epi32(_mm256_packus_epi16(srcLow, srcHigh),
                            _mm256_packus_epi16(keptLow, keptHigh));
}

}  // namespace

KELVARO_AVX2 void copySpanAvx2(const SpanJob& job) {
    const auto start =
        static_cast<int>((job.sampleY >> kFixedBits) * job.stride + (job.sampleX >> kFixedBits));
    const Argb* source = job.pixels + start;
    int i = 0;
    for (; i + 8 <= job.count; i += 8) {
        auto* out = reinterpret_cast<__m256i*>(job.out + i);
        const __m256i dst = _mm256_loadu_si256(out);
        const __m256i blended =
            blendEight(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i)), dst);
        const __m256i covered = coveredAbove(job.cover + i, job.level);
        _mm256_storeu_si256(out, _mm256_blendv_epi8(blended, dst, covered));
    }
    copySpan(spanAfter(job, i));
}

#else

void copySpanAvx2(const SpanJob& job) {
    copySpan(job);
}

#endif

}  // namespace kelvaro
