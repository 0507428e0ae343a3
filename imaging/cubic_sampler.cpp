// The portable cubic kernel. Its integer arithmetic is the reference for every faster kernel:
// per channel, each column of taps is weighted vertically and rounded to 7 fewer bits, then the
// columns are weighted horizontally and rounded back to 8 bits.
#include <algorithm>

#include "imaging/blend.h"
#include "imaging/cubic_weights.h"
#include "imaging/layer_placement.h"
#include "imaging/span_kernels.h"

namespace kelvaro {
namespace {

constexpr int kColumnShift = 7;
constexpr int kFinalShift = 2 * kWeightBits - kColumnShift;

int channelOf(Argb pixel, int channel) {
    return static_cast<int>((pixel >> (8 * channel)) & 0xffu);
}

int columnSum(const Argb* top, int stride, const TapWeights& wy, int channel) {
    int sum = 0;
    for (int r = 0; r < 4; ++r)
        sum += wy[static_cast<std::size_t>(r)] * channelOf(top[r * stride], channel);
    return (sum + (1 << (kColumnShift - 1))) >> kColumnShift;
}

int channelSample(const Argb* topLeft, int stride, const TapWeights& wx, const TapWeights& wy,
                  int channel) {
    int sum = 0;
    for (int c = 0; c < 4; ++c)
        sum += wx[static_cast<std::size_t>(c)] * columnSum(topLeft + c, stride, wy, channel);
    return std::clamp((sum + (1 << (kFinalShift - 1))) >> kFinalShift, 0, 255);
}

int phaseOf(std::int64_t coordinate) {
    return static_cast<int>((coordinate >> (kFixedBits - kPhaseBits)) & (kPhaseCount - 1));
}

}  // namespace

Argb sampleCubic(const Argb* pixels, int stride, std::int64_t sampleX, std::int64_t sampleY) {
    const TapWeights* table = cubicWeightTable();
    const auto column = static_cast<int>(sampleX >> kFixedBits);
    const auto row = static_cast<int>(sampleY >> kFixedBits);
    const Argb* topLeft = pixels + (row - 1) * stride + (column - 1);
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
