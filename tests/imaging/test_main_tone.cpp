// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The main tone of a part: the lower median of each channel over its most opaque pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "imaging/main_tone.h"

namespace kelvaro {
namespace {

TEST(MainTone, EachChannelsLowerMedianOfTheMostOpaquePixels) {
    const struct {
        std::vector<Argb> pixels;  // placed along row 50 from column 45; alpha 0 elsewhere
        PixelBox box;
        Rgb tone;
    } rows[] = {
        // Channels sorted apart; translucent pixels do not count beside opaque ones.
        {{0xff0ac803u, 0xff146401u, 0xff1e9602u, 0xc8fafafau, 0xc8fafafau},
         kWholePart,
         {20, 150, 2}},
        // An even count takes the lower middle value.
        {{0xff0a0000u, 0xff280000u, 0xff1e0000u, 0xff140000u}, kWholePart, {20, 0, 0}},
        // No opaque pixel: alpha 128 and above; alpha 127 does not count beside them.
        {{0x80050505u, 0x80646464u, 0x80c8c8c8u, 0x7f000000u, 0x7f000000u},
         kWholePart,
         {100, 100, 100}},
        {{0x01070809u, 0x7f090a0bu}, kWholePart, {7, 8, 9}},  // only faint pixels: those
        {{}, kWholePart, kToneOfNothing},                     // nothing visible: white
        {{0xff000000u, 0xff102030u, 0xff102030u}, {46, 40, 70, 70}, {16, 32, 48}},  // box only
        {{0xff000000u}, {46, 40, 70, 70}, kToneOfNothing},
    };
    for (const auto& row : rows) {
        auto part = makePartPixels();
        part->fill(0x00ff8040u);  // colour bytes of transparent pixels do not count
        std::copy(row.pixels.begin(), row.pixels.end(), part->begin() + 50 * kPartSize + 45);
        const Rgb tone = mainTone(*part, row.box);
        EXPECT_EQ(tone, row.tone) << tone.red << ',' << tone.green << ',' << tone.blue;
    }
}

// The pixels of `area` of `image`, row after row, as the part cache keeps a part's box.
std::vector<Argb> areaOf(const PartPixels& image, const PixelBox& area) {
    std::vector<Argb> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(image[static_cast<std::size_t>(y * kPartSize + x)]);
    return pixels;
}

TEST(MainTone, FromTheStoredAreaAsFromTheWholeImage) {
    auto part = makePartPixels();
    part->fill(0);
    // Opaque 10,20,30 in three corners of the box and 50,70,90 in the fourth; half opaque 1,2,3
    // elsewhere in it.
    for (int y = 30; y < 40; ++y)
        std::fill_n(part->begin() + y * kPartSize + 100, 20, 0x80010203u);
    for (const int at : {30 * kPartSize + 100, 30 * kPartSize + 119, 39 * kPartSize + 100})
        (*part)[static_cast<std::size_t>(at)] = 0xff0a141eu;
    (*part)[39 * kPartSize + 119] = 0xff32465au;
    const struct {
        PixelBox area;
        PixelBox box;
        Rgb tone;
    } rows[] = {
        {kWholePart, {100, 30, 120, 40}, {10, 20, 30}},
        {{100, 30, 120, 40}, {100, 30, 120, 40}, {10, 20, 30}},  // the box is the area
        {{90, 25, 130, 45}, {100, 30, 120, 40}, {10, 20, 30}},   // the box inside a larger area
        {{100, 30, 120, 40}, {101, 30, 120, 40}, {10, 20, 30}},  // left column left out
        {{100, 30, 120, 40}, {110, 35, 120, 40}, {50, 70, 90}},  // one opaque pixel inside
        {{100, 30, 120, 40}, {101, 31, 119, 39}, {1, 2, 3}},     // no opaque pixel inside
        {{100, 30, 120, 40}, {}, kToneOfNothing},                // nothing visible
        {{}, {}, kToneOfNothing},                                // nothing stored
    };
    for (const auto& row : rows) {
        const Rgb tone = mainTone(areaOf(*part, row.area), row.area, row.box);
        EXPECT_EQ(tone, row.tone) << tone.red << ',' << tone.green << ',' << tone.blue;
        EXPECT_EQ(tone, mainTone(*part, row.box));
    }
}

}  // namespace
}  // namespace kelvaro
