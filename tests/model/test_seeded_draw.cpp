// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The renderer's generator pinned to exact numbers (a seed must name the same faces for good),
// the drawn elements' rule, and elements named in text.
#include <gtest/gtest.h>

#include <vector>

#include "model/element_names.h"
#include "model/portrait_commands.h"
#include "model/portrait_document.h"
#include "model/seeded_draw.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

TEST(SeededDraw, SplitMix64GivesThePublishedNumbers) {
    struct Row {
        std::uint64_t seed;
        std::vector<std::uint64_t> numbers;
    };
    const Row rows[] = {
        {0, {0xe220a8397b1dcdafu, 0x6e789e6aa1b965f4u, 0x06c45d188009454fu}},
        {1234567, {0x599ed017fb08fc85u, 0x2c73f08458540fa5u}},
    };
    for (const Row& row : rows) {
        SplitMix64 generator(row.seed);
        for (std::uint64_t expected : row.numbers)
            EXPECT_EQ(generator.next(), expected) << row.seed;
    }
}

TEST(SeededDraw, BoundedDrawsAreExactAndRejectTheBiasedZone) {
    struct Row {
        std::uint64_t seed;
        std::vector<std::uint64_t> counts, results;
    };
    const Row rows[] = {
        {42,
         {1, 2, 3, 7, 10, 100, 1000, (1ull << 63) + 1},
         {0, 0, 0, 2, 0, 86, 218, 7384525663493887954u}},
        {~0ull, {5, 5, 5, 5, 5, 5}, {4, 4, 1, 2, 3, 4}},
        {7, {0, 0}, {0, 0}},  // nothing to choose from: 0, no number taken
    };
    for (const Row& row : rows) {
        SplitMix64 generator(row.seed);
        for (std::size_t i = 0; i < row.counts.size(); ++i)
            EXPECT_EQ(boundedDraw(generator, row.counts[i]), row.results[i])
                << row.seed << " " << i;
    }
    // With 2^63 + 1 numbers about half of all products fall into the rejected zone: seed 0
    // rejects its first two numbers, and the draw after it sees the fourth.
    SplitMix64 generator(0);
    EXPECT_EQ(boundedDraw(generator, (1ull << 63) + 1), 243808509735772839u);
    EXPECT_EQ(generator.next(), 0xf88bb8a8724c81ecu);
    SplitMix64 untouched(7);
    boundedDraw(untouched, 0);
    EXPECT_EQ(untouched.next(), SplitMix64(7).next());
}

TEST(SeededDraw, PartDrawsCoverZeroToTheHighestPart) {
    // Generate's eight elements with highest parts 11, 2, 2, 2, 2, 2, 0 and -1 (no parts).
    const PartDraw draw = splitMixPartDraw(2026);
    const std::vector<int> highest = {11, 2, 2, 2, 2, 2, 0, -1};
    const std::vector<int> expected = {10, 1, 2, 1, 2, 2, 0, 0};
    for (std::size_t i = 0; i < highest.size(); ++i)
        EXPECT_EQ(draw(highest[i]), expected[i]) << i;
}

TEST(SeededDraw, DrawnElementsAloneChangeAndReloadInTheirFilesColours) {
    auto state = test::openedPortrait();
    auto before = capture(*state);
    const std::vector<int> elements = {kClothes, kFace};
    const std::vector<int> draws = {1, 3};
    std::size_t next = 0;
    std::vector<int> highestSeen;
    chooseDrawnParts(*state, elements, [&](int highest) {
        highestSeen.push_back(highest);
        return draws[next++];
    });
    EXPECT_EQ(highestSeen,
              (std::vector<int>{test::kLibraryParts - 1, test::kLibraryFaceParts - 1}));
    EXPECT_FALSE(state->saved);
    loadDrawnParts(*state, elements, {});
    const auto after = capture(*state);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int element = layerInfo(layer).element;
        const bool drawn = element == kClothes || element == kFace;
        const auto& was = before.layers[static_cast<std::size_t>(layer)];
        const auto& is = after.layers[static_cast<std::size_t>(layer)];
        EXPECT_EQ(is.recoloured, drawn ? false : was.recoloured) << layer;
        EXPECT_EQ(state->layer(layer).loadedPart,
                  drawn ? (element == kFace ? 3 : 1) : before.layers[element].partNumber)
            << layer;
        EXPECT_EQ(is.x, was.x);
        EXPECT_EQ(is.stored, was.stored);
    }
    EXPECT_EQ(after.layers[kClothes].partNumber, 1);
    EXPECT_EQ(after.layers[kFace].partNumber, 3);
}

TEST(ElementNames, ListTextsAndFoldersInAnyCase) {
    const std::vector<std::pair<const char*, std::optional<int>>> rows = {
        {"Twarz", kFace},         {"twarz", kFace},        {"FACE", kFace},
        {"Źrenice", kIris},       {"źRENICE", kIris},      {"iris", kIris},
        {"eyesh", kEyes},         {"Oczy", kEyes},         {"Inne #1", kAccessory},
        {"inne #2", kBand},       {"bhair3", kBackHair},   {"shadow", kFrontHair},
        {"Hat2", kHeadwear},      {"mouthop", kMouth},     {"", std::nullopt},
        {"Twarz ", std::nullopt}, {"fhair", std::nullopt}, {"picture", std::nullopt},
    };
    for (const auto& [name, element] : rows)
        EXPECT_EQ(elementNamed(name), element) << name;
}

}  // namespace
}  // namespace kelvaro
