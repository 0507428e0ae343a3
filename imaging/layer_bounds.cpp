// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/layer_bounds.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kelvaro {
namespace {

// Pixels looked at together: their bits under the mask are OR-ed sixteen at a time.
constexpr int kChunk = 16;

// The bits that make a pixel count: its alpha, or any bit at all.
constexpr Argb kAlphaBits = 0xff000000u;
constexpr Argb kAnyBits = 0xffffffffu;

#ifdef __SSE2__
template <Argb Mask>
bool chunkIsClear(const Argb* pixels) {
    const auto* lanes = reinterpret_cast<const __m128i*>(pixels);
    const __m128i seen =
        _mm_or_si128(_mm_or_si128(_mm_loadu_si128(lanes), _mm_loadu_si128(lanes + 1)),
                     _mm_or_si128(_mm_loadu_si128(lanes + 2), _mm_loadu_si128(lanes + 3)));
    const __m128i counted = _mm_and_si128(seen, _mm_set1_epi32(static_cast<int>(Mask)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(counted, _mm_setzero_si128())) == 0xffff;
}
#else
template <Argb Mask>
bool chunkIsClear(const Argb* pixels) {
    std::uint32_t seen = 0;
    for (int k = 0; k < kChunk; ++k)
        seen |= pixels[k];
    return (seen & Mask) == 0;
}
#endif

// The first column in [from, to) that counts, or `to`.
template <Argb Mask>
int firstCounted(const Argb* row, int from, int to) {
    int x = from;
    while (x + kChunk <= to && chunkIsClear<Mask>(row + x))
        x += kChunk;
    while (x < to && (row[x] & Mask) == 0)
        ++x;
    return x;
}

// One past the last column in [from, to) that counts, or `from`.
template <Argb Mask>
int endOfCounted(const Argb* row, int from, int to) {
    int end = to;
    while (end - kChunk >= from && chunkIsClear<Mask>(row + end - kChunk))
        end -= kChunk;
    while (end > from && (row[end - 1] & Mask) == 0)
        --end;
    return end;
}

const Argb* rowOf(const PartPixels& image, int y) {
    return image.data() + y * kPartSize;
}

template <Argb Mask>
bool rowIsClear(const Argb* row, const PixelBox& within) {
    return firstCounted<Mask>(row, within.left, within.right) == within.right;
}

// The bounding box inside `within` of the pixels with a bit under `Mask`.
template <Argb Mask>
PixelBox countedBounds(const PartPixels& image, const PixelBox& within) {
    int top = within.top;
    while (top < within.bottom && rowIsClear<Mask>(rowOf(image, top), within))
        ++top;
    if (top >= within.bottom || within.empty())
        return {};
    int bottom = within.bottom;
    while (rowIsClear<Mask>(rowOf(image, bottom - 1), within))
        --bottom;
    // Each row only widens the box, so only the pixels outside it so far are looked at.
    int left = within.right;
    int right = within.left;
    for (int y = top; y < bottom; ++y) {
        const Argb* row = rowOf(image, y);
        left = firstCounted<Mask>(row, within.left, left);
        right = endOfCounted<Mask>(row, std::max(right, left), within.right);
    }
    return {left, top, right, bottom};
}

}  // namespace

PixelBox visibleBounds(const PartPixels& image, const PixelBox& within) {
    return countedBounds<kAlphaBits>(image, within);
}

PixelBox nonZeroBounds(const PartPixels& image, const PixelBox& within) {
    return countedBounds<kAnyBits>(image, within);
}

}  // namespace kelvaro
