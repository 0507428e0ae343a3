// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Opening the editor: the controls, the first portrait, and the stops when the library is
// incomplete.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <fstream>

#include "model/part_library.h"
#include "tests/ui/editor_fixture.h"
#include "ui/canvas_frame.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

void writePattern(const std::filesystem::path& base, const std::string& body) {
    std::ofstream(base / "Kelvaro.ini") << "[PartsNo]\n" << body;
}

TEST(Opening, CompleteLibraryShowsTheFirstPortrait) {
    EditorFixture editor([](const auto& base) { writePattern(base, "face=3\n"); });
    editor.open();
    EXPECT_EQ(editor.widget<QLabel>(ids::kCounter)->text(), "  3/11");
    const QStringList expectedEdits = {"255", "255", "255", "0", "0"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit + i)->text(), expectedEdits[i]) << i;
        auto* bar = editor.widget<QScrollBar>(ids::kRedBar + i);
        EXPECT_EQ(bar->value(), i < 3 ? 255 : 0) << i;
        EXPECT_EQ(bar->maximum(), i < 3 ? 255 : 100) << i;
        EXPECT_EQ(bar->minimum(), i < 3 ? 0 : -100) << i;
    }
    EXPECT_TRUE(editor.widget<QRadioButton>(ids::kSize48)->isChecked());
    EXPECT_FALSE(editor.widget<QRadioButton>(1021)->isChecked());
    auto* list = editor.widget<QComboBox>(ids::kElementList);
    ASSERT_EQ(list->count(), kElementCount);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->itemText(3), QStringLiteral("Źrenice"));
    EXPECT_EQ(list->itemText(14), QStringLiteral("Inne #2"));
    EXPECT_EQ(editor.dialog().focusWidget(), list);
    EXPECT_EQ(editor.state().highestPart[0], 11);
    EXPECT_EQ(editor.state().highestPart[1], 2);
    EXPECT_TRUE(editor.modals().messages.isEmpty());
}

TEST(Opening, EveryLayerIsRecolouredSoPureWhiteShowsAs254) {
    EditorFixture editor;
    editor.open();
    // Face part 000 is pure white.
    EXPECT_EQ(editor.canvasPixel(blockCentre(0)), 0xfffefefe);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        EXPECT_EQ(editor.state().layer(layer).stored, ColourSettings{}) << layer;
        if (layer == kEyeShapeLayer || layer == kIrisLayer)
            continue;
        EXPECT_EQ(editor.canvasPixel(blockCentre(layer)), defaultTint(blockColour(layer, 0)))
            << layer;
    }
    // The iris shows inside the eye shape, whose rim stays visible around it.
    EXPECT_EQ(editor.canvasPixel(blockCentre(kIrisLayer)), defaultTint(blockColour(kIrisLayer, 0)));
    EXPECT_EQ(editor.canvasPixel(blockCentre(kIrisLayer) - QPoint(11, 11)),
              defaultTint(blockColour(kEyeShapeLayer, 0)));
    EXPECT_EQ(editor.canvasPixel(190, 190), kWallColour);
}

TEST(Opening, WithoutWallNothingIsLoaded) {
    EditorFixture editor([](const auto& base) { std::filesystem::remove(wallPath(base)); });
    editor.modals().answerMessageBox();
    editor.open();
    EXPECT_EQ(editor.modals().messages, QStringList{"wall.pngの読み込みに失敗しました"});
    for (int layer = 0; layer < kLayerCount; ++layer) {
        EXPECT_FALSE(editor.state().layer(layer).hasImage) << layer;
    }
    EXPECT_EQ(editor.canvasPixel(blockCentre(0)), 0xff000000u) << "the opaque black base";
    EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit)->text(), "255");
    EXPECT_EQ(editor.widget<QScrollBar>(1013)->minimum(), -100);
    EXPECT_TRUE(editor.dialog().isVisible());
}

TEST(Opening, FaceAndSubstituteMissingStopAtTheFirstLayer) {
    EditorFixture editor([](const auto& base) {
        std::filesystem::remove(partPath(base, "face", 0));
        std::filesystem::remove(dummyPath(base));
    });
    editor.modals().answerMessageBox();
    editor.open();
    ASSERT_EQ(editor.modals().messages.size(), 1);
    const QString dummy = QString::fromStdString(dummyPath(editor.base()).string());
    EXPECT_EQ(
        editor.modals().messages.front(),
        QStringLiteral(
            "部品ファイルのオープンに失敗しました\n%1が存在しないか、または読み込みエラーです")
            .arg(dummy));
    for (int layer = 0; layer < kLayerCount; ++layer) {
        EXPECT_FALSE(editor.state().layer(layer).hasImage) << layer;
    }
    // Counting stops at the missing 000: the face has no parts.
    EXPECT_EQ(editor.widget<QLabel>(ids::kCounter)->text(), "  0/-1");
    EXPECT_EQ(editor.canvasPixel(blockCentre(0)), kWallColour);
}

TEST(Opening, LayersBeforeAFailedLoadKeepTheColoursOfTheirFiles) {
    // The neck is the second layer loaded; its part and the substitute are missing.
    EditorFixture editor([](const auto& base) {
        std::filesystem::remove(partPath(base, "neck", 0));
        std::filesystem::remove(dummyPath(base));
    });
    editor.modals().answerMessageBox();
    editor.open();
    EXPECT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.state().layer(0).hasImage);
    EXPECT_FALSE(editor.state().layer(1).hasImage);
    EXPECT_FALSE(editor.state().layer(2).hasImage);
    EXPECT_EQ(editor.canvasPixel(blockCentre(0)), 0xffffffffu);  // not recoloured
}

TEST(DataExchange, WritingTheControlsRaisesNoCommand) {
    EditorFixture editor;
    editor.open();
    editor.state().saved = true;
    editor.state().current = {10, 20, 30, 40, 50};
    editor.state().scroll = {10, 20, 30, 40, 50};
    editor.state().currentElement = 5;
    ASSERT_TRUE(editor.dialog().writeControls());
    EXPECT_EQ(editor.widget<QLineEdit>(1019)->text(), "50");
    EXPECT_EQ(editor.widget<QScrollBar>(1011)->value(), 20);
    EXPECT_EQ(editor.widget<QComboBox>(ids::kElementList)->currentIndex(), 5);
    // No colour command ran: the saved flag and the layers' stored settings are untouched.
    EXPECT_TRUE(editor.state().saved);
    EXPECT_EQ(editor.state().layer(16).stored, ColourSettings{});
}

TEST(DataExchange, ReadingEditsLikePercentD) {
    struct Row {
        QString text;
        bool ok;
        int value;
    };
    const Row rows[] = {{"12abc", true, 12}, {"  -7", true, -7}, {"+5", true, 5},
                        {"", false, 0},      {"abc", false, 0},  {"-", false, 0}};
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        editor.widget<QLineEdit>(1016)->setText(row.text);
        if (!row.ok)
            editor.modals().answerMessageBox();
        ControlValues read;
        EXPECT_EQ(editor.dialog().readControls(read), row.ok) << row.text.toStdString();
        editor.portrait().takeControlValues(read);
        if (row.ok) {
            EXPECT_EQ(editor.state().current.green, row.value);
            EXPECT_TRUE(editor.modals().messages.isEmpty());
        } else {
            EXPECT_EQ(editor.modals().messages, QStringList{"Proszę podać liczbę całkowitą."});
            EXPECT_EQ(editor.widget<QLineEdit>(1016)->selectedText(), row.text);
            EXPECT_EQ(editor.state().current.green, 255);  // keeps the old value
        }
    }
}

TEST(DataExchange, AFailedReadKeepsTheFieldsReadBeforeIt) {
    EditorFixture editor;
    editor.open();
    editor.widget<QLineEdit>(ids::kRedEdit)->setText("7");
    editor.widget<QLineEdit>(1017)->setText("x");
    editor.widget<QLineEdit>(1018)->setText("9");
    editor.modals().answerMessageBox();
    ControlValues read;
    EXPECT_FALSE(editor.dialog().readControls(read));
    editor.portrait().takeControlValues(read);
    EXPECT_EQ(editor.state().current, (ColourSettings{7, 255, 255, 0, 0}));
}

}  // namespace
}  // namespace kelvaro::test

namespace kelvaro::test {
namespace {

TEST(Opening, ADeletedWorkingFolderOpensWithoutParts) {
    const auto previous = std::filesystem::current_path();
    TempFolder gone;
    std::unique_ptr<CKelvaroDlg> dialog;
    ModalDriver modals;
    modals.answerMessageBox();
    {
        const auto folder = gone.path() / "removed";
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        std::filesystem::remove(folder);
        dialog = std::make_unique<CKelvaroDlg>(gone.path() / "Kelvaro.ini");
        dialog->show();
        std::filesystem::current_path(previous);
    }
    EXPECT_EQ(modals.messages, QStringList{"wall.pngの読み込みに失敗しました"});
    EXPECT_TRUE(dialog->editor().mutableState().baseDirectory.empty());
    EXPECT_EQ(dialog->editor().mutableState().highestPart[0], -1);
    dialog->editor().mutableState().saved = true;
}

}  // namespace
}  // namespace kelvaro::test
