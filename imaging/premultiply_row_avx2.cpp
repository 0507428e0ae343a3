// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Premultiplying a row eight pixels at a time with AVX2, exactly as premultiply() does.
#include "imaging/blend.h"
#include "imaging/blend_avx2.h"
#include "imaging/premultiply_row.h"

namespace kelvaro {

KELVARO_AVX2 void premultiplyRowAvx2(const Argb* source, int count, Argb* target) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i straight = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(target + i), premultiplyEight(straight));
    }
    premultiplyRowPortable(source + i, count - i, target + i);
}

}  // namespace kelvaro
