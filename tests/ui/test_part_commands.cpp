// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Element list, previous and next part, Generate, Reset and Set pattern, driven by clicks.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <fstream>
#include <set>

#include "imaging/file_boundary.h"
#include "imaging/temporary_names.h"
#include "model/part_library.h"
#include "model/pattern.h"
#include "tests/support/processes.h"
#include "tests/ui/editor_fixture.h"
#include "ui/canvas_frame.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

// Chooses list entry `element` the way a user does: keyboard on the focused list.
QString counter(EditorFixture& editor) {
    return editor.widget<QLabel>(ids::kCounter)->text();
}

TEST(PartCommands, NextAndPreviousWrapAround) {
    struct Row {
        int start;  // face part number from the pattern
        int button;
        int expected;
        QString text;
    };
    const Row rows[] = {
        {11, ids::kNext, 0, "  0/11"}, {0, ids::kPrevious, 11, " 11/11"},
        {5, ids::kNext, 6, "  6/11"},  {5, ids::kPrevious, 4, "  4/11"},
        {40, ids::kNext, 0, "  0/11"}, {40, ids::kPrevious, 39, " 39/11"},
    };
    for (const Row& row : rows) {
        EditorFixture editor([&](const auto& base) {
            std::ofstream(base / "Kelvaro.ini") << "[PartsNo]\nface=" << row.start << "\n";
        });
        editor.open();
        editor.state().saved = true;
        editor.click(row.button);
        EXPECT_EQ(editor.state().layer(0).partNumber, row.expected) << row.start;
        EXPECT_EQ(counter(editor), row.text);
        EXPECT_FALSE(editor.state().saved);
        // The stepped part shows; a number above the highest one shows the substitute.
        const Argb shown = editor.canvasPixel(blockCentre(0));
        if (row.expected <= 11) {
            EXPECT_EQ(shown, defaultTint(blockColour(0, row.expected)));
        } else {
            EXPECT_EQ(shown, kWallColour);
        }
    }
}

TEST(PartCommands, ElementWithoutPartsStepsToMinusOneAndZero) {
    EditorFixture editor([](const auto& base) {
        for (int n = 0; n < kOtherParts; ++n)
            std::filesystem::remove(partPath(base, "nose", n));
    });
    editor.open();
    editor.selectElement(kNose);
    editor.click(ids::kPrevious);
    EXPECT_EQ(editor.state().layer(kNose).partNumber, -1);
    EXPECT_EQ(counter(editor), " -1/-1");
    EXPECT_TRUE(editor.state().layer(kNose).hasImage);  // the substitute
    editor.click(ids::kNext);
    EXPECT_EQ(counter(editor), "  0/-1");
    EXPECT_TRUE(editor.modals().messages.isEmpty());
}

TEST(PartCommands, SecondaryLayersFollowTheirElement) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kClothes);
    editor.click(ids::kNext);
    editor.click(ids::kNext);
    EXPECT_EQ(editor.canvasPixel(blockCentre(21)), defaultTint(blockColour(21, 2)));
    EXPECT_EQ(editor.canvasPixel(blockCentre(11)), defaultTint(blockColour(11, 2)));
    EXPECT_EQ(editor.state().layer(21).partNumber, 0);  // its own value is only carried along
}

TEST(PartCommands, SteppedPartTakesTheColoursInTheEdits) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kMouth);
    auto* red = editor.widget<QLineEdit>(ids::kRedEdit);
    red->selectAll();
    QTest::keyClicks(red, "0");
    editor.click(ids::kNext);
    // The open mouth (16) is recoloured with red 0, the mouth itself (5) shows its file.
    EXPECT_EQ(redOf(editor.canvasPixel(blockCentre(16))), 0u);
    EXPECT_EQ(editor.canvasPixel(blockCentre(5)), blockColour(5, 1));
    EXPECT_EQ(editor.state().layer(16).stored.red, 0);
}

TEST(PartCommands, SelectingAnElementShowsItsStoredColoursWithoutRedraw) {
    EditorFixture editor;
    editor.open();
    editor.state().layer(kNeck).stored = {10, 20, 30, -40, 50};
    editor.state().saved = true;
    const int paints = editor.dialog().canvas()->paintCount();
    editor.selectElement(kNeck);
    EXPECT_EQ(editor.state().currentElement, kNeck);
    EXPECT_EQ(editor.state().current, (ColourSettings{10, 20, 30, -40, 50}));
    EXPECT_EQ(editor.state().scroll, (ColourSettings{10, 20, 30, -40, 50}));
    EXPECT_EQ(editor.widget<QLineEdit>(1018)->text(), "-40");
    EXPECT_EQ(editor.widget<QScrollBar>(1013)->value(), -40);
    EXPECT_EQ(counter(editor), "  0/2");
    EXPECT_TRUE(editor.state().saved);
    EXPECT_EQ(editor.dialog().canvas()->paintCount(), paints);
}

TEST(PartCommands, GenerateInTheSameSecondGivesTheSameParts) {
    EditorFixture editor;
    editor.open();
    editor.portrait().setClock([] { return std::time_t{1700000000}; });
    editor.click(ids::kGenerate);
    std::array<int, kElementCount> first{};
    for (int e = 0; e < kElementCount; ++e)
        first[e] = editor.state().layer(e).partNumber;
    editor.click(ids::kGenerate);
    for (int e = 0; e < kElementCount; ++e)
        EXPECT_EQ(editor.state().layer(e).partNumber, first[e]);
    // Only the eight generated elements may change; the others keep their parts.
    for (int e : {kNeck, kBeard, kEars, kClothes, kHeadwear, kAccessory, kBand}) {
        EXPECT_EQ(first[e], 0) << e;
    }
    EXPECT_FALSE(editor.state().saved);
    // Several seconds give several faces within range.
    std::set<int> faces;
    for (std::time_t t = 0; t < 40; ++t) {
        editor.portrait().setClock([t] { return t; });
        editor.click(ids::kGenerate);
        faces.insert(editor.state().layer(kFace).partNumber);
        for (int e : generatedElements()) {
            EXPECT_GE(editor.state().layer(e).partNumber, 0);
            EXPECT_LE(editor.state().layer(e).partNumber, editor.state().highestPart[e]);
        }
    }
    EXPECT_GT(faces.size(), 4u);
}

TEST(PartCommands, GenerateAndResetDoNotRecolour) {
    EditorFixture editor;
    editor.open();
    auto* blue = editor.widget<QLineEdit>(1017);
    blue->selectAll();
    QTest::keyClicks(blue, "0");  // the face group turns blue 0
    EXPECT_EQ(blueOf(editor.canvasPixel(blockCentre(kFace))), 0u);
    editor.click(ids::kReset);
    // Reloaded: the file's own colours, while the edits still show 0.
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)), blockColour(kFace, 0));
    EXPECT_EQ(blue->text(), "0");
    EXPECT_EQ(editor.state().layer(kFace).stored.blue, 0);
    editor.portrait().setClock([] { return std::time_t{5}; });
    editor.click(ids::kGenerate);
    const int face = editor.state().layer(kFace).partNumber;
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)), blockColour(kFace, face));
}

TEST(PartCommands, ResetKeepsPlacementAndColours) {
    EditorFixture editor([](const auto& base) {
        std::ofstream(base / "Kelvaro.ini") << "[PartsNo]\nface=2\nneck=1\nhat3=7\n";
    });
    editor.open();
    editor.click(ids::kNext);
    editor.click(ids::kMoveLeft);
    editor.click(ids::kRotateRight);
    editor.click(ids::kReset);
    EXPECT_EQ(editor.state().layer(kFace).partNumber, 2);
    EXPECT_EQ(editor.state().layer(kNeck).partNumber, 1);
    EXPECT_EQ(editor.state().layer(23).partNumber, 7);
    EXPECT_EQ(editor.state().layer(kFace).x, -20);
    EXPECT_EQ(editor.state().layer(kFace).angle, 5);
    EXPECT_EQ(counter(editor), "  2/11");
}

TEST(PartCommands, SetPatternWritesTheFileAndResetReturnsToIt) {
    EditorFixture editor;
    editor.open();
    editor.state().saved = true;
    editor.click(ids::kNext);
    editor.click(ids::kNext);
    editor.state().saved = true;
    editor.click(ids::kSetPattern);
    EXPECT_TRUE(editor.state().saved);
    EXPECT_EQ(readPattern(editor.base() / "Kelvaro.ini")[kFace], 2);
    EXPECT_EQ(editor.state().pattern[kFace], 2);
    editor.click(ids::kNext);
    editor.click(ids::kReset);
    EXPECT_EQ(editor.state().layer(kFace).partNumber, 2);
    EXPECT_TRUE(editor.modals().messages.isEmpty());
}

TEST(PartCommands, SetPatternReportsAnUnwritableSettingsFile) {
    // The settings path names a folder, so the file cannot be replaced.
    EditorFixture editor(
        [](const auto& base) { std::filesystem::create_directories(base / "Kelvaro.ini"); });
    editor.open();
    editor.click(ids::kNext);
    editor.modals().answerMessageBox();
    editor.click(ids::kSetPattern);
    const QString path = toQtPath(editor.base() / "Kelvaro.ini");
    EXPECT_EQ(editor.modals().messages,
              QStringList{QStringLiteral("設定ファイルの書き込みに失敗しました\n") + path});
    EXPECT_EQ(editor.state().pattern[kFace], 1);  // replaced in memory all the same
}

// A settings file its user made read-only is not replaced, though the folder would allow it.
TEST(PartCommands, SetPatternLeavesAReadOnlySettingsFileAndSaysSo) {
    const std::string old = "; mine, keep it\n[PartsNo]\nface=0\n";
    EditorFixture editor([&](const std::filesystem::path& base) {
        std::ofstream(base / "Kelvaro.ini") << old;
        std::filesystem::permissions(base / "Kelvaro.ini", std::filesystem::perms(0444));
    });
    editor.open();
    editor.click(ids::kNext);
    editor.modals().answerMessageBox();
    editor.click(ids::kSetPattern);
    EXPECT_EQ(editor.modals().messages,
              QStringList{QStringLiteral("設定ファイルの書き込みに失敗しました\n") +
                          toQtPath(editor.base() / "Kelvaro.ini")});
    EXPECT_EQ(readBytes(editor.base() / "Kelvaro.ini"), old);
    EXPECT_EQ(std::filesystem::status(editor.base() / "Kelvaro.ini").permissions(),
              std::filesystem::perms(0444));
}

// Kelvaro.ini as a link to a file not made yet: the pattern goes to the link's target.
TEST(PartCommands, SetPatternWritesThroughADanglingLink) {
    EditorFixture editor([](const std::filesystem::path& base) {
        std::filesystem::create_directory(base / "settings");
        std::filesystem::create_symlink("settings/kelvaro-pattern.ini", base / "Kelvaro.ini");
    });
    editor.open();
    editor.click(ids::kNext);
    editor.click(ids::kSetPattern);
    EXPECT_TRUE(editor.modals().messages.isEmpty());
    EXPECT_TRUE(std::filesystem::is_symlink(editor.base() / "Kelvaro.ini"));
    EXPECT_EQ(readPattern(editor.base() / "settings" / "kelvaro-pattern.ini")[kFace], 1);
}

// Hidden temporary files a copy killed while setting the pattern left are cleared by the next.
TEST(PartCommands, SetPatternRemovesTheTemporaryFilesOfAKilledCopy) {
    const std::string leftover = temporaryName("Kelvaro.ini", endedProcess(), 4);
    EditorFixture editor([&](const std::filesystem::path& base) {
        std::ofstream(base / leftover) << "[PartsNo]\nfa";
    });
    editor.open();
    editor.click(ids::kSetPattern);
    EXPECT_TRUE(editor.modals().messages.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(editor.base() / leftover));
    EXPECT_TRUE(std::filesystem::is_regular_file(editor.base() / "Kelvaro.ini"));
}

TEST(PartCommands, SteppingTheEyesMasksTheIrisAgainstTheNewEyeShape) {
    // Eye shape 001 is empty: after stepping the eyes the iris disappears.
    EditorFixture editor([](const auto& base) {
        writeArgbPng(partPath(base, "eyesh", 1), kPartSize, kPartSize, [](int, int) { return 0u; });
    });
    editor.open();
    editor.selectElement(kEyes);
    EXPECT_EQ(editor.canvasPixel(blockCentre(kIrisLayer)), defaultTint(blockColour(kIrisLayer, 0)));
    editor.click(ids::kNext);
    EXPECT_EQ(editor.canvasPixel(blockCentre(kIrisLayer)), kWallColour);
}

}  // namespace
}  // namespace kelvaro::test
