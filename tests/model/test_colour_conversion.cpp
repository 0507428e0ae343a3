// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// From a chosen colour to the five settings: a part filled with its main tone, recoloured with
// the settings found, shows the target (within 2 levels) wherever the recolour can show it, and
// otherwise comes as close as any multipliers and brightness could.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "imaging/recolour.h"
#include "model/colour_conversion.h"

namespace kelvaro {
namespace {

int channel(Rgb colour, int index) {
    const std::array<int, 3> values{colour.red, colour.green, colour.blue};
    return values[static_cast<std::size_t>(index)];
}

// The colour a part filled with `tone` shows after the real recolour with `settings`.
Rgb recolouredTone(Rgb tone, const ColourSettings& settings) {
    auto loaded = makePartPixels();
    auto image = makePartPixels();
    loaded->fill(makeArgb(255, static_cast<std::uint32_t>(tone.red),
                          static_cast<std::uint32_t>(tone.green),
                          static_cast<std::uint32_t>(tone.blue)));
    recolourPixels(*loaded, *image, settings);
    const Argb shown = (*image)[kPartPixelCount / 2];
    return {static_cast<int>(redOf(shown)), static_cast<int>(greenOf(shown)),
            static_cast<int>(blueOf(shown))};
}

int largestError(Rgb shown, Rgb target) {
    int largest = 0;
    for (int i = 0; i < 3; ++i)
        largest = std::max(largest, std::abs(channel(shown, i) - channel(target, i)));
    return largest;
}

// The smallest largest channel error any multipliers and brightness (contrast 0) give: at each
// brightness every channel takes its best multiplier, each one tried.
int bestPossibleError(Rgb tone, Rgb target) {
    int best = 255;
    for (int b = -100; b <= 100; ++b) {
        int largest = 0;
        for (int i = 0; i < 3; ++i) {
            int closest = 255;
            for (int k = 0; k <= 255; ++k) {
                const int shown = brightenChannel(multiplyChannel(channel(tone, i), k), b);
                closest = std::min(closest, std::abs(shown - channel(target, i)));
            }
            largest = std::max(largest, closest);
        }
        best = std::min(best, largest);
    }
    return best;
}

TEST(ColourConversion, TheRecolouredToneShowsTheTargetOrComesAsCloseAsItCan) {
    struct Row {
        Rgb tone;
        Rgb target;
        bool reachable;  // within 2 levels with some settings
    };
    const Row rows[] = {
        {{40, 30, 20}, {30, 20, 10}, true},        // dark, darker
        {{40, 30, 20}, {200, 150, 100}, false},    // dark, much lighter
        {{240, 230, 220}, {120, 60, 200}, true},   // light
        {{240, 230, 220}, {255, 255, 255}, true},  // light to white: a level short
        {{200, 20, 180}, {100, 10, 90}, true},     // saturated
        {{255, 0, 0}, {0, 0, 255}, false},         // saturated, the other primary
        {{255, 0, 0}, {255, 128, 128}, true},      // saturated, lifted: brightness needed
        {{128, 128, 128}, {100, 100, 100}, true},  // grey, darker
        {{128, 128, 128}, {200, 100, 50}, false},  // grey, one channel above its reach
        {{128, 128, 128}, {230, 230, 230}, true},  // grey to light grey: brightness
        {{0, 0, 0}, {0, 0, 0}, true},              // black stays black
        {{0, 0, 0}, {255, 255, 255}, true},        // black to white: full brightness
        {{0, 0, 0}, {120, 60, 200}, false},        // black to a colour
        {{255, 255, 255}, {255, 255, 255}, true},  // white stays white
        {{255, 255, 255}, {0, 0, 0}, true},        // white to black
        {{255, 255, 255}, {17, 203, 96}, true},    // white to anything
    };
    for (const Row& row : rows) {
        const ColourSettings settings = settingsForColour(row.tone, row.target);
        SCOPED_TRACE(testing::Message()
                     << row.tone.red << ',' << row.tone.green << ',' << row.tone.blue << " -> "
                     << row.target.red << ',' << row.target.green << ',' << row.target.blue);
        EXPECT_EQ(clampedSettings(settings), settings);
        EXPECT_GE(settings.brightness, 0);
        EXPECT_EQ(settings.contrast, 0);
        const int error = largestError(recolouredTone(row.tone, settings), row.target);
        const int best = bestPossibleError(row.tone, row.target);
        EXPECT_EQ(best <= 2, row.reachable) << "best possible error " << best;
        EXPECT_LE(error, std::max(best, 2));
    }
}

}  // namespace
}  // namespace kelvaro
