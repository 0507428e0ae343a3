// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Colours shared between linked elements, and colouring an element that is not the current one:
// the same pixels and stored settings as colouring each element in turn, the controls of the
// current element left alone, the iris masked again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "model/colour_conversion.h"
#include "model/colour_links.h"
#include "model/portrait_document.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::openedPortrait;
using test::tint;

constexpr ColourSettings kSome{90, 200, 140, 12, 0};
constexpr ColourSettings kOther{30, 60, 90, -20, 15};
const std::vector<int> kHair{kBrows, kBeard, kFrontHair, kBackHair};

void expectSameLayers(const PortraitState& a, const PortraitState& b) {
    EXPECT_EQ(capture(a).layers, capture(b).layers);
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_TRUE(*a.layer(i).image() == *b.layer(i).image()) << "image of layer " << i;
}

TEST(ColourLinks, AColourGoesToTheLinkedElementsOfTheSameKind) {
    const struct {
        std::vector<int> linked;
        int element;
        std::vector<int> group;
    } rows[] = {
        {{}, kFrontHair, {kFrontHair}},
        {kHair, kBackHair, kHair},
        {{kFrontHair, kBackHair}, kBrows, {kBrows}},          // not linked itself
        {{kFace, kNeck, kFrontHair, kIris}, kFace, {kFace}},  // the only skin element
        {{kClothes, kHeadwear, kBand, kIris}, kHeadwear, {kClothes, kHeadwear, kBand}},
        {{kClothes, kHeadwear}, 15, {}},
    };
    for (const auto& row : rows) {
        PortraitValues values;
        for (int element : row.linked)
            setLinked(values, element, true);
        EXPECT_EQ(colourGroup(values, row.element), row.group) << row.element;
        setLinked(values, kHeadwear, false);
        EXPECT_EQ(colourGroup(values, kHeadwear), std::vector<int>{kHeadwear});
    }
}

TEST(ColourLinks, ALinkedChangeEqualsTheSeparateChanges) {
    constexpr Rgb kChestnut{110, 62, 40};
    auto linked = openedPortrait();
    auto separate = openedPortrait();
    const auto opened = openedPortrait();
    for (int element : kHair)
        setLinked(*linked, element, true);
    linked->saved = true;
    applyColour(*linked, kFrontHair, kChestnut);
    for (int element : kHair)
        applyColour(*separate, element, kChestnut);

    expectSameLayers(*linked, *separate);
    EXPECT_FALSE(linked->saved);
    for (int element : kHair) {
        EXPECT_NE(linked->layer(element).stored, opened->layer(element).stored) << element;
        const Rgb shown = shownColour(*linked, element);
        EXPECT_LE(std::abs(shown.red - kChestnut.red), 2) << element;
        EXPECT_LE(std::abs(shown.green - kChestnut.green), 2) << element;
        EXPECT_LE(std::abs(shown.blue - kChestnut.blue), 2) << element;
    }
}

TEST(ColourLinks, AnElementBesidesTheCurrentOneLeavesTheControlsAlone) {
    auto state = openedPortrait();
    auto expected = openedPortrait();
    state->current = kSome;
    state->scroll = kOther;
    colourElement(*state, kBackHair, {255, 100, 0, 40, -30});
    tint(*expected, kBackHair, {255, 100, 0, 40, -30});
    EXPECT_EQ(state->currentElement, kFace);
    EXPECT_EQ(state->current, kSome);
    EXPECT_EQ(state->scroll, kOther);
    colourElement(*state, kIris, kSome);  // masked again, as with the iris current
    tint(*expected, kIris, kSome);
    ASSERT_TRUE(state->irisMask.has_value());
    EXPECT_EQ(state->irisMask, expected->irisMask);
    expectSameLayers(*state, *expected);

    colourElement(*state, kFace, kOther);  // the current element: its controls follow
    EXPECT_EQ(state->current, kOther);
    EXPECT_EQ(state->scroll, kOther);
}

TEST(ColourLinks, SharedSettingsReachTheGroupOfTheCurrentElement) {
    auto state = openedPortrait();
    setLinked(*state, kFrontHair, true);
    setLinked(*state, kBackHair, true);
    tint(*state, kBackHair, kOther);
    shareCurrentSettings(*state);
    EXPECT_EQ(state->currentElement, kBackHair);
    for (int layer : {9, 17, 10, 19, 20})
        EXPECT_EQ(state->layer(layer).stored, kOther) << layer;
    EXPECT_NE(state->layer(kBrows).stored, kOther);
}

}  // namespace
}  // namespace kelvaro
