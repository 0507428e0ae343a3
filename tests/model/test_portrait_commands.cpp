// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The command rules on the portrait state, without the window: part stepping, the groups that
// move, turn and reload together, when the iris mask follows, Generate's and Reset's choices.
#include <gtest/gtest.h>

#include <climits>

#include "imaging/iris_mask.h"
#include "model/portrait_commands.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::openedPortrait;

TEST(PortraitCommands, PartsStepAndWrapAround) {
    struct Row {
        int part, highest, direction, expected;
    };
    const Row rows[] =
        {
            {0, 3, +1, 1},   {2, 3, +1, 3}, {3, 3, +1, 0}, {3, 3, -1, 2},
            {0, 3, -1, 3},   {0, 0, +1, 0}, {0, 0, -1, 0}, {0, -1, +1, 0},
            {0, -1, -1, -1}, {7, 3, +1, 0},  // a pattern value past the highest part wraps to 0
            {7, 3, -1, 6},
        };
    for (const Row& r : rows) {
        EXPECT_EQ(steppedPart(r.part, r.highest, r.direction), r.expected)
            << r.part << " " << r.highest << " " << r.direction;
    }
}

TEST(PortraitCommands, AnglesWrapIntoZeroTo359) {
    const std::pair<int, int> rows[] = {{-5, 355},  {360, 0},       {725, 5},      {-360, 0},
                                        {359, 359}, {INT_MIN, 232}, {INT_MAX, 127}};
    for (const auto& [angle, expected] : rows)
        EXPECT_EQ(wrapAngle(angle), expected) << angle;
}

// The iris image after a command, against the iris freshly confined to the eye shape at the
// offset the portrait now has.
bool irisMaskIsCurrent(const PortraitState& state) {
    const LayerState& iris = state.layer(kIrisLayer);
    const LayerState& eye = state.layer(kEyeShapeLayer);
    PartPixels expected = *iris.image();
    maskIris(*iris.loaded, *eye.loaded, iris.x - eye.x, iris.y - eye.y, expected);
    return expected == *iris.image();
}

TEST(PortraitCommands, EveryMoveAndCentreLeavesTheIrisMaskCurrent) {
    // The iris first moves alone, so any later command that moves the eye shape or the iris
    // must mask it again.
    for (int element = 0; element < kElementCount; ++element) {
        for (int command = 0; command < 3; ++command) {
            auto state = openedPortrait();
            state->currentElement = kIris;
            ASSERT_TRUE(moveCurrentElement(*state, 9, -6));
            ASSERT_TRUE(irisMaskIsCurrent(*state));
            state->currentElement = element;
            if (command == 0)
                moveCurrentElement(*state, 1, 0);
            else if (command == 1)
                moveCurrentElement(*state, 0, -1);
            else
                centreCurrentElement(*state);
            EXPECT_TRUE(irisMaskIsCurrent(*state))
                << "element " << element << " command " << command;
        }
    }
}

TEST(PortraitCommands, EveryNewPartLeavesTheIrisMaskCurrent) {
    for (int element = 0; element < kElementCount; ++element) {
        for (int direction : {+1, -1}) {
            auto state = openedPortrait();
            state->currentElement = kIris;
            moveCurrentElement(*state, 12, 4);
            state->currentElement = element;
            ASSERT_TRUE(stepCurrentPart(*state, direction));
            loadCurrentPart(*state, {});
            EXPECT_TRUE(irisMaskIsCurrent(*state)) << element << " " << direction;
        }
    }
}

TEST(PortraitCommands, MovesTakeTheWholeGroupToThePrimaryLayersPosition) {
    auto state = openedPortrait();
    state->currentElement = kEyes;
    state->layer(kIrisLayer).x = 50;  // the iris was moved alone before
    state->saved = true;
    ASSERT_TRUE(moveCurrentElement(*state, -1, 2));
    for (int layer : {int{kEyes}, kEyeShapeLayer, kIrisLayer}) {
        EXPECT_EQ(state->layer(layer).x, kDefaultLayerPosition - 1) << layer;
        EXPECT_EQ(state->layer(layer).y, kDefaultLayerPosition + 2) << layer;
    }
    EXPECT_EQ(state->layer(kNose).x, kDefaultLayerPosition);
    EXPECT_FALSE(state->saved);

    state->layer(kEyes).x = INT_MAX;  // positions are unlimited and wrap at the end of int
    moveCurrentElement(*state, 1, 0);
    EXPECT_EQ(state->layer(kIrisLayer).x, INT_MIN);

    state->currentElement = -1;
    EXPECT_FALSE(moveCurrentElement(*state, 1, 0));
    EXPECT_FALSE(centreCurrentElement(*state));
    EXPECT_FALSE(rotateCurrentElement(*state, 5));
    EXPECT_FALSE(stepCurrentPart(*state, 1));
}

TEST(PortraitCommands, RotationTurnsTheGroupAndKeepsTheSavedFlag) {
    auto state = openedPortrait();
    state->currentElement = kFrontHair;
    state->saved = true;
    ASSERT_TRUE(rotateCurrentElement(*state, -kRotationStep));
    for (int layer : rotationGroup(kFrontHair))
        EXPECT_EQ(state->layer(layer).angle, 355) << layer;
    EXPECT_EQ(state->layer(kFace).angle, 0);
    EXPECT_TRUE(state->saved);
    ASSERT_TRUE(centreCurrentElement(*state));
    EXPECT_EQ(state->layer(17).angle, 0);
    EXPECT_FALSE(state->saved);
}

TEST(PortraitCommands, GenerateDrawsTheEightElementsAndShowsTheirFilesColours) {
    auto state = openedPortrait();
    int draws = 0;
    chooseGeneratedParts(*state, [&](int highest) {
        ++draws;
        return highest;
    });
    loadGeneratedParts(*state, {});
    EXPECT_EQ(draws, 8);
    for (int element = 0; element < kElementCount; ++element) {
        const bool drawn = std::find(generatedElements().begin(), generatedElements().end(),
                                     element) != generatedElements().end();
        const int expected = drawn ? state->highestPart[static_cast<std::size_t>(element)] : 0;
        EXPECT_EQ(state->elementPart(element), expected) << element;
    }
    const int reloaded[] = {0, 2, 15, 3, 4, 5, 16, 6, 9, 17, 18, 10, 19, 20};
    for (int layer : reloaded) {
        EXPECT_FALSE(state->layer(layer).recoloured) << layer;
        EXPECT_EQ(*state->layer(layer).image() == *state->layer(layer).loaded, layer != kIrisLayer)
            << layer;
    }
    EXPECT_TRUE(state->layer(kClothes).recoloured);
    EXPECT_TRUE(irisMaskIsCurrent(*state));
}

TEST(PortraitCommands, ResetGivesEveryLayerItsPatternValue) {
    Pattern pattern{};
    for (int i = 0; i < kLayerCount; ++i)
        pattern[static_cast<std::size_t>(i)] = i % 3;
    auto state = openedPortrait();
    state->pattern = pattern;
    choosePatternParts(*state);
    loadAllParts(*state, {});
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(state->layer(i).partNumber, i % 3) << i;
        // Secondary layers keep their own value but load their element's part.
        EXPECT_EQ(state->layer(i).loadedPart, (layerInfo(i).element) % 3) << i;
    }
}

TEST(PortraitCommands, TheWindowsGenerateDrawIsTheSeededStandardGenerator) {
    const PartDraw first = seededPartDraw(1234);
    const PartDraw second = seededPartDraw(1234);
    for (int i = 0; i < 20; ++i) {
        const int a = first(7);
        EXPECT_EQ(a, second(7));
        EXPECT_GE(a, 0);
        EXPECT_LE(a, 7);
    }
    EXPECT_EQ(seededPartDraw(5)(-1), 0);  // an element without parts draws 0
}

}  // namespace
}  // namespace kelvaro
