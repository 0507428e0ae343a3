// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait document: captured from a portrait and applied to another, or to the same one
// later, it gives exactly the same canvas.
#include <gtest/gtest.h>

#include "model/document_delta.h"
#include "model/portrait_commands.h"
#include "model/portrait_document.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::composed;
using test::openedPortrait;
using test::tint;

// A portrait built with every kind of command: tints of several elements (the mouth's own,
// which reaches only the open mouth), moves, turns, a new part, Generate, the iris alone.
void buildPortrait(PortraitState& state) {
    tint(state, kFace, {200, 180, 160, 10, -20});
    tint(state, kMouth, {255, 40, 40, -30, 50});
    state.currentElement = kFrontHair;
    rotateCurrentElement(state, 15);
    moveCurrentElement(state, 3, -2);
    chooseGeneratedParts(state, [](int highest) { return highest; });
    loadGeneratedParts(state, {});
    state.currentElement = kIris;
    moveCurrentElement(state, 4, 1);
    tint(state, kIris, {90, 200, 255, 0, 30});
    state.currentElement = kClothes;
    stepCurrentPart(state, +1);
    loadCurrentPart(state, {});
    state.currentElement = kBrows;
    rotateCurrentElement(state, -10);
    state.sizeChoice = 2;
}

void expectSameLayers(const PortraitState& a, const PortraitState& b) {
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(a.layer(i).hasImage, b.layer(i).hasImage) << i;
        EXPECT_TRUE(*a.layer(i).image() == *b.layer(i).image()) << "image of layer " << i;
        EXPECT_TRUE(*a.layer(i).loaded == *b.layer(i).loaded) << "loaded pixels of layer " << i;
    }
}

TEST(PortraitDocument, AppliedToAFreshPortraitGivesTheSameCanvas) {
    auto original = openedPortrait();
    buildPortrait(*original);
    const PortraitDocument document = capture(*original);

    auto reopened = openedPortrait();
    apply(document, *reopened, {}, ApplyScope::Everything);
    EXPECT_EQ(capture(*reopened), document);
    expectSameLayers(*original, *reopened);
    EXPECT_TRUE(*composed(*original) == *composed(*reopened));
}

TEST(PortraitDocument, GoingBackRestoresFileColouredAndRecolouredLayers) {
    auto state = openedPortrait();
    tint(*state, kFace, {120, 255, 255, 0, 0});
    chooseGeneratedParts(*state, [](int) { return 1; });
    loadGeneratedParts(*state, {});
    tint(*state, kNose, {255, 0, 0, 0, 0});
    const PortraitDocument afterGenerate = capture(*state);
    EXPECT_FALSE(afterGenerate.layers[kFace].recoloured);
    EXPECT_TRUE(afterGenerate.layers[kNose].recoloured);
    EXPECT_TRUE(afterGenerate.layers[kNeck].recoloured);
    const auto canvasAfterGenerate = composed(*state);

    // Later steps of every kind, then back to the document and forward again.
    auto reference = openedPortrait();
    apply(afterGenerate, *reference, {}, ApplyScope::Everything);
    buildPortrait(*state);
    const PortraitDocument later = capture(*state);
    const auto laterCanvas = composed(*state);
    apply(afterGenerate, *state, {});
    EXPECT_EQ(capture(*state), afterGenerate);
    EXPECT_TRUE(*composed(*state) == *canvasAfterGenerate);
    expectSameLayers(*state, *reference);
    apply(later, *state, {});
    EXPECT_TRUE(*composed(*state) == *laterCanvas);
}

TEST(PortraitDocument, AnIrisThatIsNotMaskedStaysUnmasked) {
    // Recolouring the iris layer on its own puts back its loaded alpha, unmasked. (Even an eye
    // shape without an image masks it, with the pixels that layer loaded.)
    auto state = openedPortrait();
    state->current = {10, 20, 30, 0, 0};
    recolourLayer(*state, kIrisLayer);
    const PortraitDocument unmasked = capture(*state);
    EXPECT_FALSE(unmasked.irisMask.has_value());

    auto other = openedPortrait();
    ASSERT_TRUE(capture(*other).irisMask.has_value());
    apply(unmasked, *other, {});
    EXPECT_TRUE(*other->layer(kIrisLayer).image() == *state->layer(kIrisLayer).image());
}

TEST(PortraitDocument, AppliedValuesAreCapturedBackExactly) {
    // A layer in its file's colours keeps the settings it was last recoloured with (choosing its
    // element shows them), and the bars keep their own positions.
    auto state = openedPortrait();
    chooseGeneratedParts(*state, [](int) { return 1; });
    loadGeneratedParts(*state, {});
    PortraitDocument document = capture(*state);
    ASSERT_FALSE(document.layers[kFace].recoloured);
    document.layers[kFace].stored = {1, 2, 3, 4, 5};
    document.scroll = {9, 8, 7, 6, 5};
    apply(document, *state, {});
    EXPECT_EQ(capture(*state), document);
}

TEST(DocumentDelta, KeepsOnlyChangedLayerValuesAndRebuildsBothSides) {
    auto state = openedPortrait();
    const PortraitDocument before = capture(*state);
    state->currentElement = kFace;
    moveCurrentElement(*state, 2, 0);
    tint(*state, kNose, {1, 2, 3, 4, 5});
    const PortraitDocument after = capture(*state);

    const DocumentDelta delta = documentDelta(before, after);
    // 20 face layers moved along x, the nose's five settings (its flag was already set).
    EXPECT_EQ(delta.layerChanges.size(), 20u + 5u);
    EXPECT_EQ(documentBefore(delta, after), before);
    EXPECT_EQ(documentAfter(delta, before), after);
    EXPECT_FALSE(changesNothing(delta));

    const DocumentDelta back = documentDelta(after, before);
    const DocumentDelta roundTrip = mergedDelta(delta, back);
    EXPECT_TRUE(changesNothing(roundTrip));
    EXPECT_TRUE(roundTrip.layerChanges.empty());
}

TEST(DocumentDelta, MergedStepsGoFromTheFirstBeforeToTheLastAfter) {
    auto state = openedPortrait();
    const PortraitDocument a = capture(*state);
    tint(*state, kEyes, {10, 255, 255, 0, 0});
    const PortraitDocument b = capture(*state);
    tint(*state, kEyes, {10, 90, 255, 0, 0});
    state->currentElement = kNose;  // the header follows the last step
    const PortraitDocument c = capture(*state);
    const DocumentDelta merged = mergedDelta(documentDelta(a, b), documentDelta(b, c));
    EXPECT_EQ(documentBefore(merged, c), a);
    EXPECT_EQ(documentAfter(merged, a), c);
}

}  // namespace
}  // namespace kelvaro
