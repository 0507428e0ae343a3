// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Invariants of the layer and element tables that a wrong entry would break.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/layer_tables.h"

namespace kelvaro {
namespace {

std::vector<int> sorted(std::span<const int> layers) {
    std::vector<int> v(layers.begin(), layers.end());
    std::sort(v.begin(), v.end());
    return v;
}

bool contains(std::span<const int> layers, int layer) {
    return std::find(layers.begin(), layers.end(), layer) != layers.end();
}

TEST(LayerTables, DrawOrderHoldsEveryLayerOnceAndMatchesTheRanks) {
    const auto order = drawOrder();
    std::vector<int> expected(kLayerCount);
    for (int i = 0; i < kLayerCount; ++i)
        expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(sorted(order), expected);
    for (int position = 0; position < kLayerCount; ++position) {
        const int layer = order[static_cast<std::size_t>(position)];
        EXPECT_EQ(layerInfo(layer).drawRank, position + 1) << "layer " << layer;
    }
    // The second front hair is behind the neck and face; eye shape < iris < eye.
    const auto rank = [](int layer) { return layerInfo(layer).drawRank; };
    EXPECT_LT(rank(17), rank(kNeck));
    EXPECT_LT(rank(17), rank(kFace));
    EXPECT_LT(rank(kEyeShapeLayer), rank(kIrisLayer));
    EXPECT_LT(rank(kIrisLayer), rank(kEyes));
}

TEST(LayerTables, GroupsDifferOnlyWhereTheyShould) {
    EXPECT_TRUE(contains(moveGroup(kEyes), kIrisLayer));
    EXPECT_FALSE(contains(rotationGroup(kEyes), kIrisLayer));
    EXPECT_EQ(sorted(recolourGroup(kMouth)), std::vector<int>{16});
    EXPECT_EQ(sorted(moveGroup(kFace)), sorted(rotationGroup(kFace)));
    for (const int still : {int{kNeck}, int{kClothes}, 21, int{kAccessory}}) {
        EXPECT_FALSE(contains(moveGroup(kFace), still)) << still;
    }
    EXPECT_TRUE(contains(recolourGroup(kFace), 18));
    EXPECT_FALSE(contains(recolourGroup(kFrontHair), 18));
    for (int e = 0; e < kElementCount; ++e) {
        EXPECT_FALSE(contains(recolourGroup(e), kEyeShapeLayer)) << e;
        if (e != kEyes) {
            EXPECT_EQ(sorted(moveGroup(e)), sorted(rotationGroup(e))) << e;
        }
        if (e != kFace && e != kEyes) {
            EXPECT_EQ(sorted(moveGroup(e)), sorted(loadGroup(e))) << e;
        }
    }
}

TEST(LayerTables, EveryLayerIsLoadedByExactlyItsOwnElement) {
    std::vector<int> concatenated;
    std::vector<int> owners(kLayerCount, 0);
    for (int e = 0; e < kElementCount; ++e) {
        const auto group = loadGroup(e);
        ASSERT_FALSE(group.empty()) << e;
        EXPECT_EQ(group.front(), e) << "primary layer first";
        for (const int layer : group) {
            ++owners[static_cast<std::size_t>(layer)];
            EXPECT_EQ(layerInfo(layer).element, e) << "layer " << layer;
            concatenated.push_back(layer);
        }
    }
    EXPECT_EQ(owners, std::vector<int>(kLayerCount, 1));
    EXPECT_EQ(concatenated, std::vector<int>(fullLoadOrder().begin(), fullLoadOrder().end()));
}

TEST(LayerTables, ElementsOutsideTheListHaveEmptyGroups) {
    for (const int e : {-1, kElementCount, 1000}) {
        EXPECT_TRUE(loadGroup(e).empty()) << e;
        EXPECT_TRUE(moveGroup(e).empty()) << e;
        EXPECT_TRUE(rotationGroup(e).empty()) << e;
        EXPECT_TRUE(recolourGroup(e).empty()) << e;
    }
}

TEST(LayerTables, SecondaryLayersFollowTheirElements) {
    struct Row {
        int layer;
        int element;
        const char* folder;
    };
    const Row rows[] = {
        {15, kEyes, "eyesh"},       {16, kMouth, "mouthop"},   {17, kFrontHair, "fhair2"},
        {18, kFrontHair, "shadow"}, {19, kBackHair, "bhair2"}, {20, kBackHair, "bhair3"},
        {21, kClothes, "cloth2"},   {22, kHeadwear, "hat2"},   {23, kHeadwear, "hat3"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(layerInfo(r.layer).element, r.element) << r.layer;
        EXPECT_EQ(layerInfo(r.layer).folder, r.folder) << r.layer;
    }
    for (int e = 0; e < kElementCount; ++e) {
        EXPECT_EQ(layerInfo(e).element, e);
        EXPECT_EQ(countedFolder(e), layerInfo(e).folder);
    }
}

TEST(LayerTables, KeysFoldersAndListTextsAreUnique) {
    std::set<std::string_view> keys, folders, texts;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        EXPECT_TRUE(keys.insert(layerInfo(layer).key).second) << layer;
        EXPECT_TRUE(folders.insert(layerInfo(layer).folder).second) << layer;
        EXPECT_FALSE(layerInfo(layer).key.empty());
    }
    for (int e = 0; e < kElementCount; ++e) {
        EXPECT_TRUE(texts.insert(elementListText(e)).second) << e;
    }
    EXPECT_EQ(elementListText(kIris), "Źrenice");
    EXPECT_EQ(elementListText(kBackHair), "Włosy");
}

}  // namespace
}  // namespace kelvaro
