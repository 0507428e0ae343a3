// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/bench_quality.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "imaging/blend.h"
#include "imaging/cubic_weights.h"

namespace kelvaro::bench {
namespace {

std::uint32_t toByte(double x) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(x), 0L, 255L));
}

Argb referenceSample(const CompositorLayer& layer, int i, int j) {
    const double a = layer.angle * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    const double dx = i + 0.5 - 95, dy = j + 0.5 - 95;
    const double u = dx * c + dy * s + 94.5 - layer.x, v = -dx * s + dy * c + 94.5 - layer.y;
    const int u0 = static_cast<int>(std::floor(u)), v0 = static_cast<int>(std::floor(v));
    double sum[4]{};
    for (int tv = std::max(v0 - 1, 0); tv <= std::min(v0 + 2, kPartSize - 1); ++tv)
        for (int tu = std::max(u0 - 1, 0); tu <= std::min(u0 + 2, kPartSize - 1); ++tu) {
            const Argb p =
                premultiply((*layer.image)[static_cast<std::size_t>(tv * kPartSize + tu)]);
            const double w = keysCubic(u - tu) * keysCubic(v - tv);
            for (int ch = 0; ch < 4; ++ch)
                sum[ch] += w * ((p >> (8 * ch)) & 0xffu);
        }
    const std::uint32_t alpha = toByte(sum[3]);
    return makeArgb(alpha, std::min(toByte(sum[2]), alpha), std::min(toByte(sum[1]), alpha),
                    std::min(toByte(sum[0]), alpha));
}

}  // namespace

Difference differenceOf(const CanvasPixels& a, const CanvasPixels& b) {
    Difference d;
    double total = 0;
    for (std::size_t n = 0; n < a.size(); ++n)
        for (int ch = 0; ch < 4; ++ch) {
            const int delta = std::abs(static_cast<int>((a[n] >> (8 * ch)) & 0xffu) -
                                       static_cast<int>((b[n] >> (8 * ch)) & 0xffu));
            total += delta;
            d.largest = std::max(d.largest, delta);
        }
    d.mean = total / (4.0 * static_cast<double>(a.size()));
    return d;
}

void composeReference(const Frame& frame, CanvasPixels& out) {
    out = *frame.wall;
    for (const CompositorLayer& layer : frame.layers)
        for (int j = 0; j < kCanvasSize; ++j)
            for (int i = 0; i < kCanvasSize; ++i) {
                Argb& pixel = out[static_cast<std::size_t>(j * kCanvasSize + i)];
                pixel = blendOver(referenceSample(layer, i, j), pixel);
            }
}

}  // namespace kelvaro::bench
