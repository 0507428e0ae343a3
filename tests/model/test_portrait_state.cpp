// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Defaults of a new portrait and the counter text.
#include <gtest/gtest.h>

#include "model/portrait_state.h"

namespace kelvaro {
namespace {

TEST(PortraitState, NewPortraitHasEveryDefault) {
    const PortraitState state;
    const ColourSettings neutral{255, 255, 255, 0, 0};
    for (int i = 0; i < kLayerCount; ++i) {
        const LayerState& l = state.layer(i);
        EXPECT_EQ(l.partNumber, 0) << i;
        EXPECT_EQ(l.x, -19) << i;
        EXPECT_EQ(l.y, -19) << i;
        EXPECT_EQ(l.angle, 0) << i;
        EXPECT_EQ(l.stored, neutral) << i;
        EXPECT_FALSE(l.hasImage) << i;
        EXPECT_TRUE(l.image() && l.loaded) << i;
        EXPECT_FALSE(l.ownImage) << i;  // allocated only when first written
    }
    EXPECT_EQ(state.current, neutral);
    EXPECT_EQ(state.scroll, neutral);
    EXPECT_EQ(state.currentElement, 0);
    EXPECT_EQ(state.sizeChoice, 0);
    EXPECT_FALSE(state.saved);
    EXPECT_FALSE(state.hasWall);
    EXPECT_TRUE(state.wall);
    EXPECT_FALSE(state.released());
}

TEST(PortraitState, PartNumbersComeFromThePattern) {
    Pattern pattern{};
    for (int i = 0; i < kLayerCount; ++i)
        pattern[static_cast<std::size_t>(i)] = i * 7 - 3;
    const PortraitState state(pattern);
    EXPECT_EQ(state.pattern, pattern);
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(state.layer(i).partNumber, i * 7 - 3) << i;
    }
    EXPECT_EQ(state.elementPart(kClothes), 74);
}

TEST(PortraitState, ReleaseFreesEveryBuffer) {
    PortraitState state;
    state.release();
    EXPECT_TRUE(state.released());
    for (const LayerState& l : state.layers) {
        EXPECT_FALSE(l.image() || l.loaded || l.hasImage);
    }
}

}  // namespace
}  // namespace kelvaro
