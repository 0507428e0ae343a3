// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/colour_conversion.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "imaging/recolour.h"

namespace kelvaro {
namespace {

constexpr int kTopMultiplier = 255;
constexpr int kTopBrightness = 100;
// Errors up to this many levels count as reaching the target, so that a target a level or two
// above what the multipliers reach does not wash the part out with brightness.
constexpr int kCloseEnough = 2;

// One channel: its value in the main tone and the value wanted.
struct ChannelAim {
    int tone;
    int target;
};

std::array<ChannelAim, 3> aimsOf(Rgb tone, Rgb target) {
    const auto level = [](int value) { return std::clamp(value, 0, 255); };
    return {{{level(tone.red), level(target.red)},
             {level(tone.green), level(target.green)},
             {level(tone.blue), level(target.blue)}}};
}

// The multiplier step takes every value from 0 to the tone's top (c * 255) >> 8, since each
// step of the multiplier raises c * k by c < 256. The brightness step is monotone and, for a
// brightness above 0, moves by less than a level per level, so at brightness b the channel
// reaches every level from brightenChannel(0, b) to brightenChannel(top, b) and nothing else.
int errorAt(const ChannelAim& aim, int brightness) {
    const int lowest = brightenChannel(0, brightness);
    const int highest = brightenChannel(multiplyChannel(aim.tone, kTopMultiplier), brightness);
    return std::max({0, lowest - aim.target, aim.target - highest});
}

int largestErrorAt(const std::array<ChannelAim, 3>& aims, int brightness) {
    int largest = 0;
    for (const ChannelAim& aim : aims)
        largest = std::max(largest, errorAt(aim, brightness));
    return largest;
}

// How far the largest channel error lies beyond what counts as reached.
int shortfallAt(const std::array<ChannelAim, 3>& aims, int brightness) {
    return std::max(0, largestErrorAt(aims, brightness) - kCloseEnough);
}

// The brightness with the smallest largest channel error, the smallest one of equal error;
// 0 whenever the multipliers alone come close enough to every target.
int bestBrightness(const std::array<ChannelAim, 3>& aims) {
    int best = 0;
    int bestError = shortfallAt(aims, 0);
    for (int b = 1; b <= kTopBrightness && bestError > 0; ++b) {
        const int error = shortfallAt(aims, b);
        if (error < bestError) {
            best = b;
            bestError = error;
        }
    }
    return best;
}

// The multiplied level (0..top) that the brightness step brings closest to the target: the
// first level reaching the target, or the one below it when that comes closer.
int bestMultipliedLevel(const ChannelAim& aim, int brightness) {
    const int top = multiplyChannel(aim.tone, kTopMultiplier);
    int low = 0, high = top + 1;  // the first level reaching the target lies in [low, high]
    while (low < high) {
        const int middle = (low + high) / 2;
        if (brightenChannel(middle, brightness) >= aim.target)
            high = middle;
        else
            low = middle + 1;
    }
    if (low > top)
        return top;
    if (low > 0 && aim.target - brightenChannel(low - 1, brightness) <
                       brightenChannel(low, brightness) - aim.target)
        return low - 1;
    return low;
}

// The smallest multiplier giving the level. A tone channel of 0 stays 0 under every multiplier:
// it takes the target itself, so that the part's lighter pixels lean towards the target.
int multiplierFor(const ChannelAim& aim, int brightness) {
    if (aim.tone == 0)
        return aim.target;
    const int level = bestMultipliedLevel(aim, brightness);
    return (level * 256 + aim.tone - 1) / aim.tone;
}

}  // namespace

ColourSettings settingsForColour(Rgb mainTone, Rgb target) {
    const std::array<ChannelAim, 3> aims = aimsOf(mainTone, target);
    ColourSettings settings;
    settings.brightness = bestBrightness(aims);
    settings.contrast = 0;
    settings.red = multiplierFor(aims[0], settings.brightness);
    settings.green = multiplierFor(aims[1], settings.brightness);
    settings.blue = multiplierFor(aims[2], settings.brightness);
    return settings;
}

}  // namespace kelvaro
