// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The PNG row kernels with SSE and AVX2. Sub (four bytes a pixel) and Up work on whole vectors;
// Sub of three bytes, Average and Paeth depend on the pixel just undone, so they take one pixel
// at a time, all of its bytes in one register. Pixels are loaded as four bytes; a three-byte
// pixel's fourth lane is never stored.
#include <cstring>

#include "imaging/png_rows.h"
#include "imaging/simd_support.h"

namespace kelvaro {
namespace {

KELVARO_AVX2 inline __m128i loadPixel(const std::uint8_t* at) {
    std::uint32_t bits;
    std::memcpy(&bits, at, sizeof bits);
    return _mm_cvtsi32_si128(static_cast<int>(bits));
}

template <std::size_t Bpp>
KELVARO_AVX2 inline void storePixel(std::uint8_t* at, __m128i pixel) {
    const auto bits = static_cast<std::uint32_t>(_mm_cvtsi128_si32(pixel));
    std::memcpy(at, &bits, Bpp);
}

KELVARO_AVX2 void unfilterSubFour(std::uint8_t* row, std::size_t length) {
    __m128i left = _mm_setzero_si128();
    std::size_t i = 0;
    for (; i + 16 <= length; i += 16) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
        x = _mm_add_epi8(x, _mm_slli_si128(x, 4));
        x = _mm_add_epi8(x, _mm_slli_si128(x, 8));
        x = _mm_add_epi8(x, left);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), x);
        left = _mm_shuffle_epi32(x, 0xff);
    }
    for (; i < length; i += 4) {
        left = _mm_add_epi8(loadPixel(row + i), left);
        storePixel<4>(row + i, left);
    }
}

KELVARO_AVX2 void unfilterSubThree(std::uint8_t* row, std::size_t length) {
    __m128i left = _mm_setzero_si128();
    for (std::size_t i = 0; i < length; i += 3) {
        left = _mm_add_epi8(loadPixel(row + i), left);
        storePixel<3>(row + i, left);
    }
}

KELVARO_AVX2 void unfilterUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
    std::size_t i = 0;
    for (; i + 32 <= length; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + i));
        const __m256i up = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(previous + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(row + i), _mm256_add_epi8(x, up));
    }
    for (; i < length; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] + previous[i]);
}

template <std::size_t Bpp>
KELVARO_AVX2 void unfilterAverage(std::uint8_t* row, const std::uint8_t* previous,
                                  std::size_t length) {
    const __m128i one = _mm_set1_epi8(1);
    __m128i left = _mm_setzero_si128();
    for (std::size_t i = 0; i < length; i += Bpp) {
        const __m128i up = loadPixel(previous + i);
        // The rounded-up average less the bit it rounded: (left + up) >> 1 without overflow.
        const __m128i odd = _mm_and_si128(_mm_xor_si128(left, up), one);
        const __m128i average = _mm_sub_epi8(_mm_avg_epu8(left, up), odd);
        left = _mm_add_epi8(loadPixel(row + i), average);
        storePixel<Bpp>(row + i, left);
    }
}

// The Paeth predictor of each 16-bit lane: a, b or c, whichever is closest to a + b - c, ties
// going to a, then b.
KELVARO_AVX2 inline __m128i paethPredictor(__m128i a, __m128i b, __m128i c) {
    const __m128i towardsA = _mm_sub_epi16(b, c);  // p - a
    const __m128i towardsB = _mm_sub_epi16(a, c);  // p - b
    const __m128i pa = _mm_abs_epi16(towardsA);
    const __m128i pb = _mm_abs_epi16(towardsB);
    const __m128i pc = _mm_abs_epi16(_mm_add_epi16(towardsA, towardsB));
    const __m128i smallest = _mm_min_epi16(pa, _mm_min_epi16(pb, pc));
    const __m128i bOrC = _mm_blendv_epi8(c, b, _mm_cmpeq_epi16(pb, smallest));
    return _mm_blendv_epi8(bOrC, a, _mm_cmpeq_epi16(pa, smallest));
}

template <std::size_t Bpp>
KELVARO_AVX2 void unfilterPaeth(std::uint8_t* row, const std::uint8_t* previous,
                                std::size_t length) {
    const __m128i zero = _mm_setzero_si128();
    __m128i left = zero;
    __m128i upLeft = zero;
    for (std::size_t i = 0; i < length; i += Bpp) {
        const __m128i up = _mm_unpacklo_epi8(loadPixel(previous + i), zero);
        const __m128i predicted = paethPredictor(left, up, upLeft);
        const __m128i x = _mm_add_epi8(loadPixel(row + i), _mm_packus_epi16(predicted, zero));
        storePixel<Bpp>(row + i, x);
        left = _mm_unpacklo_epi8(x, zero);
        upLeft = up;
    }
}

template <std::size_t Bpp>
KELVARO_AVX2 void unfilterSerial(std::uint8_t filter, std::uint8_t* row,
                                 const std::uint8_t* previous, std::size_t length) {
    if (filter == 3)
        unfilterAverage<Bpp>(row, previous, length);
    else
        unfilterPaeth<Bpp>(row, previous, length);
}

// Converts eight pixels and gives their input bytes, which are not 0 exactly where the pixels'
// bytes are not.
KELVARO_AVX2 inline __m256i convertEightRgba(const std::uint8_t* in, Argb* out) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15, 2,
                                           1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
    const __m256i rgba = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_shuffle_epi8(rgba, order));
    return rgba;
}

}  // namespace

KELVARO_AVX2 bool unfilterRowAvx2(std::uint8_t filter, std::uint8_t* row,
                                  const std::uint8_t* previous, std::size_t length,
                                  std::size_t bpp) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            (bpp == 4 ? unfilterSubFour : unfilterSubThree)(row, length);
            return true;
        case 2:
            unfilterUp(row, previous, length);
            return true;
        case 3:
        case 4:
            (bpp == 4 ? unfilterSerial<4> : unfilterSerial<3>)(filter, row, previous, length);
            return true;
        default:
            return false;
    }
}

KELVARO_AVX2 bool convertRgbaRowAvx2(const std::uint8_t* in, Argb* out, int width) {
    if (width < 8)
        return convertRgbaRowPortable(in, out, width);
    __m256i seen = _mm256_setzero_si256();
    for (int x = 0; x + 8 <= width; x += 8)
        seen = _mm256_or_si256(seen, convertEightRgba(in + 4 * x, out + x));
    // The last eight again, overlapping pixels already done, rather than one at a time.
    if (width % 8 != 0)
        seen = _mm256_or_si256(seen, convertEightRgba(in + 4 * (width - 8), out + width - 8));
    return !_mm256_testz_si256(seen, seen);
}

KELVARO_AVX2 bool convertRgbRowAvx2(const std::uint8_t* in, Argb* out, int width) {
    const __m256i order = _mm256_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1, 2,
                                           1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xff000000u));
    int x = 0;
    // Each half reads 16 bytes for the 12 of its four pixels, so the loop stops short of the end.
    for (; x + 10 <= width; x += 8) {
        const std::uint8_t* at = in + 3 * x;
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 12));
        const __m256i rgb = _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
        const __m256i pixels = _mm256_or_si256(_mm256_shuffle_epi8(rgb, order), opaque);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), pixels);
    }
    convertRgbRowPortable(in + 3 * x, out + x, width - x);
    return width > 0;
}

}  // namespace kelvaro
