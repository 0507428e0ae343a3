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

std::array<int, 3> channels(Rgb c) {
    return {c.red, c.green, c.blue};
}

// The largest channel error of a part filled with `tone` after the real recolour.
int errorOfRecolour(Rgb tone, Rgb target, const ColourSettings& settings) {
    auto loaded = makePartPixels();
    auto image = makePartPixels();
    loaded->fill(makeArgb(255, static_cast<std::uint32_t>(tone.red),
                          static_cast<std::uint32_t>(tone.green),
                          static_cast<std::uint32_t>(tone.blue)));
    recolourPixels(*loaded, *image, settings);
    const Argb p = (*image)[kPartPixelCount / 2];
    const std::array<int, 3> shown{static_cast<int>(redOf(p)), static_cast<int>(greenOf(p)),
                                   static_cast<int>(blueOf(p))};
    int largest = 0;
    for (std::size_t i = 0; i < 3; ++i)
        largest = std::max(largest, std::abs(shown[i] - channels(target)[i]));
    return largest;
}

// The smallest largest channel error of all brightness values (contrast 0), every channel with
// its best multiplier, each one tried.
int bestPossibleError(Rgb tone, Rgb target) {
    int best = 255;
    for (int b = -100; b <= 100; ++b) {
        int largest = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            int closest = 255;
            for (int k = 0; k <= 255; ++k) {
                const int shown = brightenChannel(multiplyChannel(channels(tone)[i], k), b);
                closest = std::min(closest, std::abs(shown - channels(target)[i]));
            }
            largest = std::max(largest, closest);
        }
        best = std::min(best, largest);
    }
    return best;
}

TEST(ColourConversion, TheRecolouredToneShowsTheTargetOrComesAsCloseAsItCan) {
    const struct {
        Rgb tone;
        Rgb target;
        bool reachable;  // within 2 levels with some settings
    } rows[] = {
        {{40, 30, 20}, {30, 20, 10}, true},       {{40, 30, 20}, {200, 150, 100}, false},
        {{240, 230, 220}, {120, 60, 200}, true},  {{240, 230, 220}, {255, 255, 255}, true},
        {{200, 20, 180}, {100, 10, 90}, true},    {{255, 0, 0}, {0, 0, 255}, false},
        {{255, 0, 0}, {255, 128, 128}, true},     {{128, 128, 128}, {200, 100, 50}, false},
        {{128, 128, 128}, {230, 230, 230}, true}, {{0, 0, 0}, {0, 0, 0}, true},
        {{0, 0, 0}, {255, 255, 255}, true},       {{0, 0, 0}, {120, 60, 200}, false},
        {{255, 255, 255}, {17, 203, 96}, true},   {{255, 255, 255}, {255, 255, 255}, true},
    };
    for (const auto& row : rows) {
        const ColourSettings settings = settingsForColour(row.tone, row.target);
        SCOPED_TRACE(testing::Message()
                     << row.tone.red << ',' << row.tone.green << ',' << row.tone.blue << " -> "
                     << row.target.red << ',' << row.target.green << ',' << row.target.blue);
        EXPECT_EQ(clampedSettings(settings), settings);
        EXPECT_GE(settings.brightness, 0);
        EXPECT_EQ(settings.contrast, 0);
        const int best = bestPossibleError(row.tone, row.target);
        EXPECT_EQ(best <= 2, row.reachable) << "best possible error " << best;
        EXPECT_LE(errorOfRecolour(row.tone, row.target, settings), std::max(best, 2));
    }
}

}  // namespace
}  // namespace kelvaro
