// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/main_tone.h"

#include <array>
#include <cstddef>

#include "imaging/recolour.h"

namespace kelvaro {
namespace {

// Pixels are counted in one of three tiers by their alpha: fully opaque, at least half opaque,
// and any other visible pixel. The tone is taken from the first tier that holds a pixel, so the
// tiers are counted one after the other, most parts needing only the first.
struct AlphaRange {
    std::uint32_t lowest;
    std::uint32_t highest;
};
constexpr std::array<AlphaRange, 3> kTiers{{{255, 255}, {128, 254}, {1, 127}}};

using Histogram = std::array<int, 256>;

// Per channel (red, green, blue), how many pixels of a tier have each value.
using TierCounts = std::array<Histogram, 3>;

// The lower median of `count` values counted in `histogram`.
int lowerMedian(const Histogram& histogram, int count) {
    const int rank = (count - 1) / 2;
    int seen = 0;
    for (int value = 0; value < 255; ++value) {
        seen += histogram[static_cast<std::size_t>(value)];
        if (seen > rank)
            return value;
    }
    return 255;
}

// Adds the `width` pixels of `row` whose alpha lies in `tier` to `counts`.
void countRow(const Argb* row, int width, const AlphaRange& tier, TierCounts& counts) {
    const std::uint32_t span = tier.highest - tier.lowest;
    for (int x = 0; x < width; ++x) {
        const Argb pixel = row[x];
        if (alphaOf(pixel) - tier.lowest > span)  // below the range wraps round to above it
            continue;
        ++counts[0][redOf(pixel)];
        ++counts[1][greenOf(pixel)];
        ++counts[2][blueOf(pixel)];
    }
}

int pixelsCounted(const TierCounts& counts) {
    int pixels = 0;
    for (const int n : counts[0])
        pixels += n;
    return pixels;
}

}  // namespace

Rgb mainTone(const PartPixels& part, const PixelBox& box) {
    return mainTone(part, kWholePart, intersection(box, kWholePart));
}

Rgb mainTone(std::span<const Argb> pixels, const PixelBox& area, const PixelBox& box) {
    if (box.empty())
        return kToneOfNothing;
    const auto stride = static_cast<std::size_t>(area.width());
    const Argb* first = pixels.data() + static_cast<std::size_t>(box.top - area.top) * stride +
                        static_cast<std::size_t>(box.left - area.left);
    for (const AlphaRange& tier : kTiers) {
        TierCounts counts{};
        for (int row = 0; row < box.height(); ++row)
            countRow(first + static_cast<std::size_t>(row) * stride, box.width(), tier, counts);
        const int counted = pixelsCounted(counts);
        if (counted == 0)
            continue;
        return {lowerMedian(counts[0], counted), lowerMedian(counts[1], counted),
                lowerMedian(counts[2], counted)};
    }
    return kToneOfNothing;
}

// Settings outside their ranges are clamped first, as the recolour does.
Rgb tintedTone(Rgb tone, const ColourSettings& settings) {
    const ColourSettings s = clampedSettings(settings);
    const auto tint = [&](int channel, int multiplier) {
        const int multiplied = multiplyChannel(channel, multiplier);
        return stretchChannel(brightenChannel(multiplied, s.brightness), s.contrast);
    };
    return {tint(tone.red, s.red), tint(tone.green, s.green), tint(tone.blue, s.blue)};
}

}  // namespace kelvaro
