// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The main tone of a part: the lower median of each channel over its most opaque pixels, and
// the tone tinted exactly as the recolour tints a pixel of that colour.
#include <gtest/gtest.h>

#include <vector>

#include "imaging/main_tone.h"
#include "imaging/recolour.h"

namespace kelvaro {
namespace {

struct PlacedPixel {
    int x;
    int y;
    Argb pixel;
};

// A part of alpha 0 (with colour bytes that must not count) but for `pixels`.
std::unique_ptr<PartPixels> partWith(const std::vector<PlacedPixel>& pixels) {
    auto part = makePartPixels();
    part->fill(0x00ff8040u);
    for (const PlacedPixel& p : pixels)
        (*part)[static_cast<std::size_t>(p.y * kPartSize + p.x)] = p.pixel;
    return part;
}

TEST(MainTone, EachChannelsLowerMedianOfTheMostOpaquePixels) {
    const struct {
        std::vector<PlacedPixel> pixels;
        PixelBox box;
        Rgb tone;
    } rows[] = {
        // Channels sorted apart; translucent pixels do not count beside opaque ones.
        {{{0, 0, 0xff0ac803u},
          {5, 9, 0xff146401u},
          {229, 229, 0xff1e9602u},
          {7, 7, 0xc8fafafau},
          {8, 7, 0xc8fafafau},
          {9, 7, 0xc8fafafau}},
         kWholePart,
         {20, 150, 2}},
        // An even count takes the lower of the two middle values.
        {{{1, 1, 0xff0a0000u}, {2, 1, 0xff280000u}, {3, 1, 0xff1e0000u}, {4, 1, 0xff140000u}},
         kWholePart,
         {20, 0, 0}},
        // No opaque pixel: alpha 128 and above; alpha 127 does not count beside them.
        {{{1, 1, 0x80050505u},
          {2, 2, 0x80646464u},
          {3, 3, 0x80c8c8c8u},
          {4, 4, 0x7f000000u},
          {5, 5, 0x7f000000u},
          {6, 6, 0x7f000000u},
          {7, 7, 0x7f000000u}},
         kWholePart,
         {100, 100, 100}},
        // Only faint pixels: those.
        {{{100, 100, 0x01070809u}, {101, 100, 0x7f090a0bu}}, kWholePart, {7, 8, 9}},
        // Nothing visible: white.
        {{}, kWholePart, kToneOfNothing},
        // Pixels outside the box are not read.
        {{{0, 0, 0xff000000u}, {50, 50, 0xff102030u}, {60, 60, 0xff102030u}},
         {40, 40, 70, 70},
         {16, 32, 48}},
        {{{0, 0, 0xff000000u}}, {40, 40, 70, 70}, kToneOfNothing},
    };
    for (const auto& row : rows) {
        const Rgb tone = mainTone(*partWith(row.pixels), row.box);
        EXPECT_EQ(tone, row.tone) << tone.red << ',' << tone.green << ',' << tone.blue;
    }
}

TEST(MainTone, TheTintedToneIsWhatTheRecolourMakesOfIt) {
    const Rgb tone{201, 101, 255};
    const ColourSettings rows[] = {
        {255, 255, 255, 0, 0},    {128, 0, 255, 50, 0}, {255, 255, 255, -56, 1},
        {255, 200, 100, 10, -50}, {0, 0, 0, 100, 0},    {300, -5, 255, 120, 0},
    };
    auto loaded = partWith({{0, 0, makeArgb(255, 201, 101, 255)}});
    auto image = makePartPixels();
    for (const ColourSettings& settings : rows) {
        recolourPixels(*loaded, *image, clampedSettings(settings));
        const Argb shown = (*image)[0];
        const Rgb expected{static_cast<int>(redOf(shown)), static_cast<int>(greenOf(shown)),
                           static_cast<int>(blueOf(shown))};
        EXPECT_EQ(tintedTone(tone, settings), expected)
            << settings.red << ' ' << settings.brightness;
    }
}

}  // namespace
}  // namespace kelvaro
