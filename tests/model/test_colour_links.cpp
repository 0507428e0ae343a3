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
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::openedPortrait;
using test::tint;

constexpr Rgb kChestnut{110, 62, 40};
constexpr ColourSettings kSome{90, 200, 140, 12, 0};
constexpr ColourSettings kOther{30, 60, 90, -20, 15};
constexpr ColourSettings kThird{255, 100, 0, 40, -30};

PortraitValues linkedValues(const std::vector<int>& elements) {
    PortraitValues values;
    for (int element : elements)
        setLinked(values, element, true);
    return values;
}

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
        {{kBrows, kBeard, kFrontHair, kBackHair},
         kBackHair,
         {kBrows, kBeard, kFrontHair, kBackHair}},
        {{kFrontHair, kBackHair}, kFrontHair, {kFrontHair, kBackHair}},
        {{kFrontHair, kBackHair}, kBrows, {kBrows}},          // not linked itself
        {{kFace, kNeck, kFrontHair, kIris}, kFace, {kFace}},  // the only skin element
        {{kFace, kNeck, kFrontHair, kIris}, kNeck, {kNeck}},  // the only linked general one
        {{kClothes, kHeadwear, kBand, kIris}, kHeadwear, {kClothes, kHeadwear, kBand}},
        {{kClothes, kHeadwear}, 15, {}},
        {{kClothes, kHeadwear}, -1, {}},
    };
    for (const auto& row : rows) {
        PortraitValues values = linkedValues(row.linked);
        EXPECT_EQ(colourGroup(values, row.element), row.group) << row.element;
        setLinked(values, row.element, false);
        if (isValidElement(row.element)) {
            EXPECT_EQ(colourGroup(values, row.element), std::vector<int>{row.element});
        }
    }
}

TEST(ColourLinks, ALinkedChangeEqualsTheSeparateChanges) {
    const std::vector<int> hair{kBrows, kBeard, kFrontHair, kBackHair};
    auto linked = openedPortrait();
    auto separate = openedPortrait();
    const auto opened = openedPortrait();
    for (int element : hair)
        setLinked(*linked, element, true);
    linked->saved = separate->saved = true;

    applyColour(*linked, kFrontHair, kChestnut);
    for (int element : hair)
        applyColour(*separate, element, kChestnut);

    expectSameLayers(*linked, *separate);
    EXPECT_FALSE(linked->saved);
    for (int element : hair) {
        const ColourSettings stored = linked->layer(element).stored;
        EXPECT_EQ(stored, settingsForColour(elementTone(*linked, element), kChestnut)) << element;
        EXPECT_NE(stored, opened->layer(element).stored) << element;
        const Rgb shown = shownColour(*linked, element);
        EXPECT_LE(std::abs(shown.red - kChestnut.red), 2) << element;
        EXPECT_LE(std::abs(shown.green - kChestnut.green), 2) << element;
        EXPECT_LE(std::abs(shown.blue - kChestnut.blue), 2) << element;
    }
    EXPECT_EQ(linked->layer(kFace).stored, opened->layer(kFace).stored);
}

TEST(ColourLinks, AnElementBesidesTheCurrentOneLeavesTheControlsAlone) {
    auto state = openedPortrait();
    auto expected = openedPortrait();
    state->currentElement = kFace;
    state->current = kSome;
    state->scroll = kOther;
    colourElement(*state, kBackHair, kThird);
    EXPECT_EQ(state->currentElement, kFace);
    EXPECT_EQ(state->current, kSome);
    EXPECT_EQ(state->scroll, kOther);
    tint(*expected, kBackHair, kThird);
    expectSameLayers(*state, *expected);

    colourElement(*state, kFace, kSome);  // the current element: its controls follow
    EXPECT_EQ(state->current, kSome);
    EXPECT_EQ(state->scroll, kSome);
}

TEST(ColourLinks, TheIrisIsMaskedAgainAndSharedSettingsReachTheGroup) {
    auto state = openedPortrait();
    auto expected = openedPortrait();
    state->currentElement = kFace;
    colourElement(*state, kIris, kSome);
    tint(*expected, kIris, kSome);
    ASSERT_TRUE(state->irisMask.has_value());
    EXPECT_EQ(state->irisMask, expected->irisMask);
    EXPECT_TRUE(*state->layer(kIrisLayer).image() == *expected->layer(kIrisLayer).image());

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
