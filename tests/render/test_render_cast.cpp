// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Drawn casts: the same seed gives the same files on any number of threads, each file carries
// its recipe and seed, the draws are the documented generator's, and locks keep their elements.
#include <gtest/gtest.h>

#include <set>

#include "io/file_boundary.h"
#include "model/part_library.h"
#include "model/seeded_draw.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// Every file of `folder` by name, with its bytes.
std::map<std::string, std::string> filesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

int highestPart(int element) {
    return countParts(sampleLibrary(), element);
}

TEST(RenderCast, TheSameSeedGivesTheSameFilesOnOneOrTwoThreads) {
    TempFolder folder;
    const QStringList cast = {"--random", "30", "--seed", "777", "--size", "96"};
    expectSuccess(runRenderer(onSample(cast + QStringList{"-j1", "-o", q(folder.path() / "a")})));
    expectSuccess(runRenderer(onSample(cast + QStringList{"-j1", "-o", q(folder.path() / "b")})));
    expectSuccess(runRenderer(onSample(cast + QStringList{"-j2", "-o", q(folder.path() / "c")})));
    const auto a = filesIn(folder.path() / "a");
    ASSERT_EQ(a.size(), 30u);
    EXPECT_EQ(a.begin()->first, "0001.png");
    EXPECT_EQ(a.rbegin()->first, "0030.png");
    EXPECT_TRUE(a == filesIn(folder.path() / "b"));
    EXPECT_TRUE(a == filesIn(folder.path() / "c"));
    std::set<std::string> different;
    for (const auto& [name, bytes] : a)
        different.insert(bytes);
    EXPECT_GT(different.size(), 25u);  // a cast, not one face
    // Portrait i of seed S is the one portrait of seed S + i.
    expectSuccess(runRenderer(onSample(
        {"--random", "1", "--seed", "783", "--size", "96", "-o", q(folder.path() / "one")})));
    EXPECT_EQ(readBytes(folder.path() / "one" / "0001.png"), a.at("0007.png"));
}

TEST(RenderCast, EachPortraitDrawsGenerujsEightElementsFromItsSeed) {
    TempFolder folder;
    expectSuccess(runRenderer(
        onSample({"--random", "12", "--seed", "18446744073709551610", "-o", q(folder.path())})));
    const auto generated = generatedElements();
    for (int i = 0; i < 12; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.png", i + 1);
        const DocumentFile document = documentIn(folder.path() / name);
        const std::uint64_t seed = 18446744073709551610u + static_cast<std::uint64_t>(i);  // wraps
        EXPECT_EQ(document.seed, seed);
        SplitMix64 generator(seed);
        for (int element = 0; element < kElementCount; ++element) {
            const auto& record = document.portrait.layers[static_cast<std::size_t>(element)];
            const bool drawn =
                std::find(generated.begin(), generated.end(), element) != generated.end();
            const int expected =
                drawn ? static_cast<int>(boundedDraw(
                            generator, static_cast<std::uint64_t>(highestPart(element) + 1)))
                      : 0;
            EXPECT_EQ(record.partNumber, expected) << name << " element " << element;
            // Drawn layers show their files' own colours, as after Generuj.
            for (int layer : loadGroup(element))
                EXPECT_EQ(document.portrait.layers[static_cast<std::size_t>(layer)].recoloured,
                          !drawn);
        }
        EXPECT_EQ(document.portrait.layers[kFace].x, kDefaultLayerPosition);
    }
}

TEST(RenderCast, LocksKeepTheirElementsPartsPlacementsAndTints) {
    TempFolder folder;
    const fs::path basePortrait = folder.path() / "base.kelvaro";
    writePortrait(basePortrait, 1);
    const PortraitDocument base = variedPortrait(1);
    expectSuccess(
        runRenderer(onSample({"--random", "16", "--seed", "5", "--base", q(basePortrait), "--lock",
                              "twarz,Źrenice,bhair2,cloth1", "-o", q(folder.path() / "cast")})));
    const std::set<int> locked = {kFace, kIris, kBackHair, kClothes};
    std::array<std::set<int>, kElementCount> partsSeen;
    for (int i = 1; i <= 16; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.png", i);
        const PortraitDocument drawn = documentIn(folder.path() / "cast" / name).portrait;
        EXPECT_EQ(QImage(q(folder.path() / "cast" / name)).width(), 96);  // the base's size
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const int element = layerInfo(layer).element;
            const auto& is = drawn.layers[static_cast<std::size_t>(layer)];
            const auto& was = base.layers[static_cast<std::size_t>(layer)];
            // Placements and stored tints of every layer come from the base.
            EXPECT_EQ(is.x, was.x) << name << " " << layer;
            EXPECT_EQ(is.y, was.y) << name << " " << layer;
            EXPECT_EQ(is.angle, was.angle) << name << " " << layer;
            EXPECT_EQ(is.stored, was.stored) << name << " " << layer;
            if (locked.contains(element)) {
                EXPECT_EQ(is, was) << name << " locked layer " << layer;
            } else {
                EXPECT_FALSE(is.recoloured) << name << " drawn layer " << layer;
            }
        }
        for (int e = 0; e < kElementCount; ++e)
            partsSeen[static_cast<std::size_t>(e)].insert(
                drawn.layers[static_cast<std::size_t>(e)].partNumber);
    }
    // With locks every other element is drawn: those with several parts take several.
    for (int e = 0; e < kElementCount; ++e) {
        const auto seen = partsSeen[static_cast<std::size_t>(e)].size();
        if (locked.contains(e)) {
            EXPECT_EQ(seen, 1u) << e;
        } else if (highestPart(e) >= 2) {
            EXPECT_GE(seen, 2u) << e;
        }
    }
}

// Colourful casts: the same bytes on one or two threads, the faces those drawn without colours
// in varied skin and hair, and portrait i once more from seed S+i.
TEST(RenderCast, ColoursAreDrawnFromEachPortraitsSeedAndVary) {
    TempFolder folder;
    const QStringList cast = {"--random", "10", "--seed", "40", "--size", "48"};
    const QStringList colours = cast + QStringList{"--colours"};
    expectSuccess(
        runRenderer(onSample(colours + QStringList{"-j1", "-o", q(folder.path() / "a")})));
    expectSuccess(
        runRenderer(onSample(colours + QStringList{"-j2", "-o", q(folder.path() / "b")})));
    expectSuccess(runRenderer(onSample(cast + QStringList{"-o", q(folder.path() / "plain")})));
    EXPECT_TRUE(filesIn(folder.path() / "a") == filesIn(folder.path() / "b"));
    std::set<std::array<int, kColourSettingCount>> skins, hairs;
    for (int i = 1; i <= 10; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.png", i);
        const PortraitDocument coloured = documentIn(folder.path() / "a" / name).portrait;
        const PortraitDocument plain = documentIn(folder.path() / "plain" / name).portrait;
        for (int layer = 0; layer < kLayerCount; ++layer)
            EXPECT_EQ(coloured.layers[static_cast<std::size_t>(layer)].partNumber,
                      plain.layers[static_cast<std::size_t>(layer)].partNumber);
        skins.insert(toArray(coloured.layers[kFace].stored));
        hairs.insert(toArray(coloured.layers[kFrontHair].stored));
    }
    EXPECT_GE(skins.size(), 4u);
    EXPECT_GE(hairs.size(), 4u);
    expectSuccess(runRenderer(onSample({"--random", "1", "--seed", "43", "--size", "48",
                                        "--colours", "-o", q(folder.path() / "one")})));
    EXPECT_EQ(readBytes(folder.path() / "one" / "0001.png"),
              readBytes(folder.path() / "a" / "0004.png"));

    // A palette folder that cannot be used stops the cast before anything is written.
    folder.writeFile("palettes/hair.gpl", "GIMP Palette\n300 0 0 Za jasny\n");
    const RenderResult refused =
        runRenderer(onSample(colours + QStringList{"--palettes", q(folder.path() / "palettes"),
                                                   "-o", q(folder.path() / "refused")}));
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_NE(refused.err.find("hair.gpl"), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(folder.path() / "refused" / "0001.png"));
}

}  // namespace
}  // namespace kelvaro::test
