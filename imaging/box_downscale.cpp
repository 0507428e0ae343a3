// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/box_downscale.h"

#include <cstdint>
#include <vector>

#include "imaging/kernel_choice.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kelvaro {
namespace {

constexpr int kLargestSource = 4096;
constexpr std::uint32_t kWholeWeight = 1u << 14;
constexpr Argb kOpaqueAlpha = 0xff000000u;

// The weights of one axis: output pixel i weighs source pixels first[i], first[i] + 1, ... by
// weights[begin[i]], ..., weights[begin[i + 1] - 1], which sum to kWholeWeight.
struct AxisTaps {
    std::vector<int> first;
    std::vector<int> begin;
    std::vector<std::uint32_t> weights;
};

AxisTaps axisTaps(int from, int to) {
    const std::int64_t step = (std::int64_t{from} << 16) / to;
    const auto whole = static_cast<std::uint32_t>(((std::int64_t{to} << 14) + from - 1) / from);
    AxisTaps taps;
    std::int64_t position = 0;
    for (int i = 0; i < to; ++i, position += step) {
        taps.first.push_back(static_cast<int>(position >> 16));
        taps.begin.push_back(static_cast<int>(taps.weights.size()));
        const auto lead =
            static_cast<std::uint32_t>(((0x10000 - (position & 0xffff)) * whole) >> 16);
        taps.weights.push_back(lead);
        std::uint32_t left = kWholeWeight - lead;
        for (; left > whole; left -= whole)
            taps.weights.push_back(whole);
        taps.weights.push_back(left);
    }
    taps.begin.push_back(static_cast<int>(taps.weights.size()));
    return taps;
}

// One past the last source pixel the taps weigh.
int reachOf(const AxisTaps& taps) {
    const std::size_t last = taps.first.size() - 1;
    return taps.first[last] + (taps.begin[last + 1] - taps.begin[last]);
}

std::uint32_t channelOf(Argb pixel, int channel) {
    return (pixel >> (8 * channel)) & 0xffu;
}

// Sums source row `row` across with `taps` into `sums` (four channels per output pixel), each cut
// to 1/1024ths as the filter does before weighing rows.
void sumAcross(const Argb* row, const AxisTaps& taps, std::vector<std::uint32_t>& sums) {
    const std::size_t to = taps.first.size();
    for (std::size_t x = 0; x < to; ++x) {
        const Argb* pixel = row + taps.first[x];
        std::uint32_t channels[4] = {};
        for (int k = taps.begin[x]; k < taps.begin[x + 1]; ++k, ++pixel) {
            for (int c = 0; c < 4; ++c)
                channels[c] += channelOf(*pixel, c) * taps.weights[static_cast<std::size_t>(k)];
        }
        for (int c = 0; c < 4; ++c)
            sums[4 * x + static_cast<std::size_t>(c)] = channels[c] >> 4;
    }
}

Argb pixelOf(const std::uint32_t* channels, bool opaque) {
    Argb pixel = 0;
    for (int c = 0; c < 4; ++c)
        pixel |= (channels[c] >> 24) << (8 * c);
    return opaque ? pixel | kOpaqueAlpha : pixel;
}

void scaleGeneral(const Argb* src, int from, Argb* dst, int to, bool opaque) {
    const AxisTaps taps = axisTaps(from, to);
    std::vector<std::uint32_t> across(4 * static_cast<std::size_t>(to));
    std::vector<std::uint32_t> down(across.size());
    for (int y = 0; y < to; ++y) {
        std::fill(down.begin(), down.end(), 0u);
        const Argb* row = src + static_cast<std::ptrdiff_t>(taps.first[y]) * from;
        for (int k = taps.begin[y]; k < taps.begin[y + 1]; ++k, row += from) {
            sumAcross(row, taps, across);
            const std::uint32_t weight = taps.weights[static_cast<std::size_t>(k)];
            for (std::size_t i = 0; i < down.size(); ++i)
                down[i] += across[i] * weight;
        }
        for (int x = 0; x < to; ++x)
            dst[y * to + x] = pixelOf(down.data() + 4 * x, opaque);
    }
}

// One pixel of a halving: each byte the floor of the mean of the 2x2 block's.
Argb halvedPixel(const Argb* top, const Argb* bottom, bool opaque) {
    std::uint32_t channels[4];
    for (int c = 0; c < 4; ++c) {
        const std::uint32_t sum = channelOf(top[0], c) + channelOf(top[1], c) +
                                  channelOf(bottom[0], c) + channelOf(bottom[1], c);
        channels[c] = (sum >> 2) << 24;
    }
    return pixelOf(channels, opaque);
}

#if defined(__SSE2__)
// Two output pixels from the 4x2 source pixels at `top` and `bottom`.
void halveTwo(const Argb* top, const Argb* bottom, Argb* out, bool opaque) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i upper = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top));
    const __m128i lower = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom));
    const __m128i left =
        _mm_add_epi16(_mm_unpacklo_epi8(upper, zero), _mm_unpacklo_epi8(lower, zero));
    const __m128i right =
        _mm_add_epi16(_mm_unpackhi_epi8(upper, zero), _mm_unpackhi_epi8(lower, zero));
    const __m128i sums =
        _mm_add_epi16(_mm_unpacklo_epi64(left, right), _mm_unpackhi_epi64(left, right));
    __m128i pixels = _mm_packus_epi16(_mm_srli_epi16(sums, 2), zero);
    if (opaque)
        pixels = _mm_or_si128(pixels, _mm_set1_epi32(static_cast<int>(kOpaqueAlpha)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out), pixels);
}
#endif

void halve(const Argb* src, Argb* dst, int to, bool opaque) {
    const int from = 2 * to;
#ifdef KELVARO_X86
    const bool avx2 = kernelFeatures().avx2;
#endif
    for (int y = 0; y < to; ++y) {
        const Argb* top = src + static_cast<std::ptrdiff_t>(2 * y) * from;
        const Argb* bottom = top + from;
        Argb* out = dst + static_cast<std::ptrdiff_t>(y) * to;
        int x = 0;
#ifdef KELVARO_X86
        if (avx2)
            x = halveRowAvx2(top, bottom, out, to, opaque);
#endif
#if defined(__SSE2__)
        for (; x + 2 <= to; x += 2)
            halveTwo(top + 2 * x, bottom + 2 * x, out + x, opaque);
#endif
        for (; x < to; ++x)
            out[x] = halvedPixel(top + 2 * x, bottom + 2 * x, opaque);
    }
}

}  // namespace

bool boxDownscaleFits(int from, int to) {
    if (to < 1 || to >= from || from > kLargestSource)
        return false;
    if (from == 2 * to)
        return true;  // two whole-step taps a pixel
    return reachOf(axisTaps(from, to)) <= from;
}

void boxDownscale(const Argb* src, int from, Argb* dst, int to, bool opaque) {
    if (from == 2 * to && kernelFeatures().fastPaths)
        halve(src, dst, to, opaque);
    else
        scaleGeneral(src, from, dst, to, opaque);
}

}  // namespace kelvaro
