// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/main_tone.h"

#include <array>
#include <cstddef>

#include "imaging/recolour.h"

namespace kelvaro {
namespace {

// Pixels are counted in one of three tiers by their alpha: fully opaque, at least half opaque,
// and any other visible pixel. The tone is taken from the first tier that holds a pixel.
constexpr int kTierCount = 3;

int tierOf(std::uint32_t alpha) {
    if (alpha == 255)
        return 0;
    return alpha >= 128 ? 1 : 2;
}

using Histogram = std::array<int, 256>;

// Per tier: how many pixels it holds and, per channel (red, green, blue), how many have each
// value.
struct TierCounts {
    int pixels = 0;
    std::array<Histogram, 3> channels{};
};

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

void countRow(const PartPixels& part, int row, const PixelBox& box,
              std::array<TierCounts, kTierCount>& tiers) {
    for (int x = box.left; x < box.right; ++x) {
        const Argb pixel = part[static_cast<std::size_t>(row * kPartSize + x)];
        const std::uint32_t alpha = alphaOf(pixel);
        if (alpha == 0)
            continue;
        TierCounts& tier = tiers[static_cast<std::size_t>(tierOf(alpha))];
        ++tier.pixels;
        ++tier.channels[0][redOf(pixel)];
        ++tier.channels[1][greenOf(pixel)];
        ++tier.channels[2][blueOf(pixel)];
    }
}

}  // namespace

Rgb mainTone(const PartPixels& part, const PixelBox& box) {
    const PixelBox inside = intersection(box, kWholePart);
    std::array<TierCounts, kTierCount> tiers{};
    for (int row = inside.top; row < inside.bottom; ++row)
        countRow(part, row, inside, tiers);
    for (const TierCounts& tier : tiers) {
        if (tier.pixels == 0)
            continue;
        return {lowerMedian(tier.channels[0], tier.pixels),
                lowerMedian(tier.channels[1], tier.pixels),
                lowerMedian(tier.channels[2], tier.pixels)};
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
