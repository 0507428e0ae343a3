// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portable cubic kernel. Its integer arithmetic (cubic_fixed_point.h) is the reference for
// every faster kernel.
#include <algorithm>

#include "imaging/blend.h"
#include "imaging/cubic_fixed_point.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

int channelOf(Argb pixel, int channel) {
    return static_cast<int>((pixel >> (8 * channel)) & 0xffu);
}

int columnSum(const Argb* top, int stride, const TapWeights& wy, int channel) {
    int sum = 0;
    for (int r = 0; r < 4; ++r)
        sum += wy[static_cast<std::size_t>(r)] * channelOf(top[r * stride], channel);
    return (sum + kColumnRound) >> kColumnShift;
}

int channelSample(const Argb* topLeft, int stride, const TapWeights& wx, const TapWeights& wy,
                  int channel) {
    int sum = 0;
    for (int c = 0; c < 4; ++c)
        sum += wx[static_cast<std::size_t>(c)] * columnSum(topLeft + c, stride, wy, channel);
    return std::clamp((sum + kFinalRound) >> kFinalShift, 0, 255);
}

}  // namespace

Argb sampleCubic(const Argb* pixels, int stride, std::int64_t sampleX, std::int64_t sampleY) {
    const TapWeights* table = cubicWeightTable();
    const Argb* topLeft = topLeftTap(pixels, stride, sampleX, sampleY);
    const TapWeights& wx = table[phaseOf(sampleX)];
    const TapWeights& wy = table[phaseOf(sampleY)];
    const auto alpha = static_cast<std::uint32_t>(channelSample(topLeft, stride, wx, wy, 3));
    std::uint32_t pixel = alpha << 24;
    for (int channel = 0; channel < 3; ++channel) {
        const auto value =
            static_cast<std::uint32_t>(channelSample(topLeft, stride, wx, wy, channel));
        pixel |= std::min(value, alpha) << (8 * channel);
    }
    return pixel;
}

void cubicSpan(const SpanJob& job) {
    std::int64_t x = job.sampleX;
    std::int64_t y = job.sampleY;
    for (int i = 0; i < job.count; ++i, x += job.stepX, y += job.stepY) {
        if (job.cover[i] > job.level)
            continue;
        job.out[i] = blendOver(sampleCubic(job.pixels, job.stride, x, y), job.out[i]);
    }
}

}  // namespace kelvaro
