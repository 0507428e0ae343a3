// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Reading and writing the pattern in the settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "model/document_file.h"
#include "model/pattern.h"
#include "model/profile_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro {
namespace {

using test::readBytes;
using test::TempFolder;

// Every layer's value is 100 + its layer number.
Pattern hundredPlusLayer() {
    Pattern values{};
    for (int i = 0; i < kLayerCount; ++i)
        values[static_cast<std::size_t>(i)] = 100 + i;
    return values;
}

TEST(Pattern, KeyOrderIsAPermutationOfTheLayers) {
    std::vector<int> layers(patternKeyOrder().begin(), patternKeyOrder().end());
    std::sort(layers.begin(), layers.end());
    for (int i = 0; i < kLayerCount; ++i)
        EXPECT_EQ(layers[static_cast<std::size_t>(i)], i);
}

TEST(Pattern, FileWrittenFromScratchHoldsTheKeysInOrder) {
    const TempFolder folder;
    const auto file = folder.path() / "Kelvaro.ini";
    ASSERT_TRUE(writePattern(file, hundredPlusLayer()));
    EXPECT_EQ(readBytes(file),
              "[PartsNo]\nhat2=122\nbhair2=119\nfhair2=117\nneck=101\ncloth2=121\nbhair3=120\n"
              "face=100\nshadow=118\nbhair=110\near=108\neye2=115\niris=103\neye=102\nbrow=106\n"
              "band=114\nnose=104\nmouth=105\nmouth2=116\nbeard=107\nacc=113\ncloth=111\n"
              "fhair=109\nhat=112\nhat3=123\n");
}

TEST(Pattern, RoundTripReadsBackWhatWasWritten) {
    const TempFolder folder;
    const auto file = folder.path() / "Kelvaro.ini";
    const Pattern rows[] = {
        hundredPlusLayer(),
        Pattern{},
        Pattern{999, 0,  12, 3,  45, 6,  7,  998, 9,  10, 11, 12,
                13,  14, 15, 16, 17, 18, 19, 20,  21, 22, 23, 2147483647},
    };
    for (const Pattern& values : rows) {
        ASSERT_TRUE(writePattern(file, values));
        EXPECT_EQ(readPattern(file), values);
    }
}

TEST(Pattern, MinusOneIsWrittenAndReadsBackAsZero) {
    const TempFolder folder;
    const auto file = folder.path() / "Kelvaro.ini";
    Pattern values = hundredPlusLayer();
    values[kBackHair] = -1;
    values[kEyeShapeLayer] = -1;
    ASSERT_TRUE(writePattern(file, values));
    const std::string bytes = readBytes(file);
    EXPECT_NE(bytes.find("\nbhair=-1\n"), std::string::npos);
    EXPECT_NE(bytes.find("\neye2=-1\n"), std::string::npos);
    Pattern expected = values;
    expected[kBackHair] = 0;
    expected[kEyeShapeLayer] = 0;
    EXPECT_EQ(readPattern(file), expected);
}

TEST(Pattern, MissingFileAndMissingKeysReadZero) {
    const TempFolder folder;
    EXPECT_EQ(readPattern(folder.path() / "none.ini"), Pattern{});
    const auto file = folder.writeFile("Kelvaro.ini", "[PARTSNO]\r\n Hat3 = 7\r\nFACE=12x\r\n");
    Pattern expected{};
    expected[23] = 7;
    expected[kFace] = 12;
    EXPECT_EQ(readPattern(file), expected);
}

TEST(Pattern, WritingKeepsOtherSectionsAndComments) {
    const TempFolder folder;
    const auto file = folder.writeFile(
        "Kelvaro.ini",
        "; Kelvaro\r\n[Window]\r\nface=77\r\n\r\n[partsno]\r\nFACE = 5\r\nhat2=1\r\n\r\n"
        "[Other]\r\nx=1\r\n");
    ASSERT_TRUE(writePattern(file, hundredPlusLayer()));
    EXPECT_EQ(readBytes(file),
              "; Kelvaro\r\n[Window]\r\nface=77\r\n\r\n[partsno]\r\nFACE = 100\r\nhat2=122\r\n"
              "bhair2=119\r\nfhair2=117\r\nneck=101\r\ncloth2=121\r\nbhair3=120\r\n"
              "shadow=118\r\nbhair=110\r\near=108\r\neye2=115\r\niris=103\r\neye=102\r\n"
              "brow=106\r\nband=114\r\nnose=104\r\nmouth=105\r\nmouth2=116\r\nbeard=107\r\n"
              "acc=113\r\ncloth=111\r\nfhair=109\r\nhat=112\r\nhat3=123\r\n\r\n"
              "[Other]\r\nx=1\r\n");
    EXPECT_EQ(readPattern(file), hundredPlusLayer());
}

TEST(Pattern, FailedWritesReportFalseAndKeepTheOldFile) {
    const TempFolder folder;
    const auto plain = folder.writeFile("plain", "not a folder");
    EXPECT_FALSE(writePattern(plain / "Kelvaro.ini", hundredPlusLayer()));
    EXPECT_EQ(readBytes(plain), "not a folder");

    // A full disk: the old pattern stays whole.
    const auto file = folder.writeFile("full/Kelvaro.ini", "[PartsNo]\nface=3\n");
    {
        const test::FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(writePattern(file, hundredPlusLayer()));
    }
    EXPECT_EQ(readBytes(file), "[PartsNo]\nface=3\n");

    // Too large to read: reads as the all-zero pattern and is not replaced.
    const std::string huge =
        "[PartsNo]\nface=4\n" + std::string(static_cast<std::size_t>(kProfileSizeLimit), ';');
    const auto hugeFile = folder.writeFile("Kelvaro.ini", huge);
    EXPECT_EQ(readPattern(hugeFile), Pattern{});
    EXPECT_FALSE(writePattern(hugeFile, hundredPlusLayer()));
    EXPECT_EQ(readBytes(hugeFile), huge);
}

// In a folder its user may not write, the settings file is still rewritten in place; a portrait
// document there is refused with its reason and kept byte for byte.
TEST(Pattern, OnlyTheSettingsFileIsRewrittenInPlace) {
    const TempFolder top;
    test::handToUnprivilegedUser(top.path());
    const auto settings = top.writeFile("locked/Kelvaro.ini", "[PartsNo]\nface=3\n");
    const auto document = top.writeFile("locked/face.kelvaro", "old document");
    const auto folder = settings.parent_path();
    for (const auto& p : {folder, settings, document})
        test::handToUnprivilegedUser(p);
    std::filesystem::permissions(folder, std::filesystem::perms(0555));
    EXPECT_TRUE(test::runUnprivileged([&] {
        const FileResult written = writeDocumentFile(document, DocumentFile{});
        return writePattern(settings, hundredPlusLayer()).ok && !written.ok &&
               written.reason == systemFailure(EACCES).reason;
    }));
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
    EXPECT_EQ(readPattern(settings), hundredPlusLayer());
    EXPECT_EQ(readBytes(document), "old document");
    EXPECT_EQ(test::namesIn(folder), (std::vector<std::string>{"Kelvaro.ini", "face.kelvaro"}));
}

}  // namespace
}  // namespace kelvaro
