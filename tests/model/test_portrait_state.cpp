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
    }
    EXPECT_EQ(state.current, neutral);
    EXPECT_EQ(state.scroll, neutral);
    EXPECT_EQ(state.currentElement, 0);
    EXPECT_EQ(state.sizeChoice, 0);
    EXPECT_EQ(state.counterText, "  0/0");
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

TEST(PortraitState, CounterTextFormatsPartAndHighest) {
    struct Row {
        int element;
        int part;
        int highest;
        const char* expected;
    };
    const Row rows[] = {
        {kFace, 3, 11, "  3/11"},     {kFace, -1, -1, " -1/-1"},   {kMouth, 0, 0, "  0/0"},
        {kBand, 999, 999, "999/999"}, {kHeadwear, 12, 5, " 12/5"}, {kIris, 1000, 7, "1000/7"},
    };
    for (const Row& r : rows) {
        PortraitState state;
        state.currentElement = r.element;
        state.layer(r.element).partNumber = r.part;
        state.highestPart[static_cast<std::size_t>(r.element)] = r.highest;
        EXPECT_EQ(counterTextFor(state), r.expected) << r.expected;
    }
    PortraitState state;
    state.currentElement = -1;
    state.counterText = "keep";
    EXPECT_EQ(counterTextFor(state), "keep");
}

}  // namespace
}  // namespace kelvaro
