// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Drawn colours: a seed names the same colours on every layer, whichever elements take them;
// elements left out keep their settings.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/colour_conversion.h"
#include "model/colour_draw.h"
#include "model/portrait_document.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::openedPortrait;

Palette paletteOf(std::vector<Rgb> colours) {
    Palette palette;
    for (const Rgb& colour : colours)
        palette.swatches.push_back({colour, ""});
    return palette;
}

const Palette kSkin = paletteOf({{230, 190, 160}, {140, 90, 60}, {250, 215, 190}});
const Palette kHair = paletteOf({{40, 25, 15}, {180, 120, 40}, {90, 40, 20}, {200, 200, 190}});
const Palette kEyes = paletteOf({{40, 90, 160}, {60, 120, 50}, {90, 60, 30}});
const Palette kGeneral = paletteOf({{200, 30, 30}, {30, 30, 200}, {240, 240, 240}, {20, 20, 20}});
const KindPalettes kPalettes{&kSkin, &kHair, &kEyes, &kGeneral};
const std::vector<int> kEveryElement{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

std::array<LayerRecord, kLayerCount> drawnLayers(std::uint64_t seed,
                                                 const std::vector<int>& elements,
                                                 const KindPalettes& palettes = kPalettes) {
    auto state = openedPortrait();
    SplitMix64 generator(colourSeed(seed));
    state->saved = true;
    drawColours(*state, palettes, generator, elements);
    EXPECT_FALSE(state->saved);
    return capture(*state).layers;
}

TEST(ColourDraw, ASeedNamesTheSameColoursWhicheverElementsTakeThem) {
    const auto opened = capture(*openedPortrait()).layers;
    const auto first = drawnLayers(7, kEveryElement);
    EXPECT_EQ(drawnLayers(7, kEveryElement), first);
    const auto other = drawnLayers(8, kEveryElement);
    EXPECT_NE(other, first);

    // Only the face, the beard and the headwear take their colours, the same as above.
    const std::vector<int> elements{kFace, kBeard, kHeadwear};
    std::set<int> tinted;
    for (int element : elements)
        tinted.insert(recolourGroup(element).begin(), recolourGroup(element).end());
    const auto some = drawnLayers(7, elements);
    for (std::size_t layer = 0; layer < kLayerCount; ++layer) {
        const auto& expected = tinted.contains(static_cast<int>(layer)) ? first : opened;
        EXPECT_EQ(some[layer].stored, expected[layer].stored) << layer;
    }
    for (int element : elements)
        EXPECT_NE(some[static_cast<std::size_t>(element)].stored,
                  opened[static_cast<std::size_t>(element)].stored)
            << element;
    EXPECT_NE(colourSeed(7), SplitMix64(7).next());

    // Without a skin palette the face keeps its colour and the hair draws what it drew above.
    const auto noSkin = drawnLayers(7, kEveryElement, {nullptr, &kHair, &kEyes, &kGeneral});
    EXPECT_EQ(noSkin[kFace].stored, opened[kFace].stored);
    EXPECT_EQ(noSkin[kFrontHair].stored, first[kFrontHair].stored);
}

}  // namespace
}  // namespace kelvaro
