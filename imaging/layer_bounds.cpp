// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/layer_bounds.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kelvaro {
namespace {

// Pixels looked at together: their alphas are OR-ed sixteen at a time.
constexpr int kChunk = 16;

#ifdef __SSE2__
bool chunkIsClear(const Argb* pixels) {
    const auto* lanes = reinterpret_cast<const __m128i*>(pixels);
    const __m128i seen =
        _mm_or_si128(_mm_or_si128(_mm_loadu_si128(lanes), _mm_loadu_si128(lanes + 1)),
                     _mm_or_si128(_mm_loadu_si128(lanes + 2), _mm_loadu_si128(lanes + 3)));
    const __m128i alphas = _mm_srli_epi32(seen, 24);
    return _mm_movemask_epi8(_mm_cmpeq_epi32(alphas, _mm_setzero_si128())) == 0xffff;
}
#else
bool chunkIsClear(const Argb* pixels) {
    std::uint32_t seen = 0;
    for (int k = 0; k < kChunk; ++k)
        seen |= pixels[k];
    return (seen >> 24) == 0;
}
#endif

// The first column in [from, to) with alpha, or `to`.
int firstVisible(const Argb* row, int from, int to) {
    int x = from;
    while (x + kChunk <= to && chunkIsClear(row + x))
        x += kChunk;
    while (x < to && alphaOf(row[x]) == 0)
        ++x;
    return x;
}

// One past the last column in [from, to) with alpha, or `from`.
int endOfVisible(const Argb* row, int from, int to) {
    int end = to;
    while (end - kChunk >= from && chunkIsClear(row + end - kChunk))
        end -= kChunk;
    while (end > from && alphaOf(row[end - 1]) == 0)
        --end;
    return end;
}

const Argb* rowOf(const PartPixels& image, int y) {
    return image.data() + y * kPartSize;
}

bool rowIsClear(const Argb* row, const PixelBox& within) {
    return firstVisible(row, within.left, within.right) == within.right;
}

}  // namespace

PixelBox visibleBounds(const PartPixels& image, const PixelBox& within) {
    int top = within.top;
    while (top < within.bottom && rowIsClear(rowOf(image, top), within))
        ++top;
    if (top >= within.bottom || within.empty())
        return {};
    int bottom = within.bottom;
    while (rowIsClear(rowOf(image, bottom - 1), within))
        --bottom;
    // Each row only widens the box, so only the pixels outside it so far are looked at.
    int left = within.right;
    int right = within.left;
    for (int y = top; y < bottom; ++y) {
        const Argb* row = rowOf(image, y);
        left = firstVisible(row, within.left, left);
        right = endOfVisible(row, std::max(right, left), within.right);
    }
    return {left, top, right, bottom};
}

}  // namespace kelvaro
