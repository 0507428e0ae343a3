#include "imaging/premultiply_row.h"

#include <algorithm>

#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

void premultiplyPortable(const Argb* source, int count, Argb* target) {
    std::transform(source, source + count, target, premultiply);
}

#ifdef KELVARO_HAVE_X86
KELVARO_AVX2 void premultiplyAvx2(const Argb* source, int count, Argb* target) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i straight = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i), premultiplyEight(straight));
    }
    premultiplyPortable(source + i, count - i, target + i);
}
#else
void premultiplyAvx2(const Argb* source, int count, Argb* target) {
    premultiplyPortable(source, count, target);
}
#endif

}  // namespace

void premultiplyRow(const Argb* source, int count, Argb* target) {
    static const bool vector = haveAvx2();
    (vector ? premultiplyAvx2 : premultiplyPortable)(source, count, target);
}

}  // namespace kelvaro
