// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Zapisz": the real save dialog, the written files, and failed writes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <cerrno>
#include <fstream>

#include "io/file_boundary.h"
#include "tests/support/file_size_limit.h"
#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

std::string magicOf(const std::filesystem::path& file) {
    return readBytes(file).substr(0, 4);
}
const std::string kPngMagic = "\x89PNG";

TEST(Save, FileDialogOffersBothTypesAndTheChosenNameDecidesTheFormat) {
    struct Row {
        int sizeButton;
        QString name;     // typed into the dialog
        QString written;  // the file that appears
        int edge;
        bool png;
    };
    const Row rows[] = {
        {1020, "a.png", "a.png", 48, true},  {1021, "b.png", "b.png", 96, true},
        {1022, "c.png", "c.png", 192, true}, {1021, "d.PNG", "d.PNG", 96, false},
        {1020, "e.jpg", "e.jpg", 48, false}, {1022, "f", "f.bmp", 192, false},
    };
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        QTest::mouseClick(editor.widget<QRadioButton>(row.sizeButton), Qt::LeftButton);
        QStringList filters;
        QString selectedFilter;
        const QString target = toQtPath(editor.base() / toPath(row.name));
        editor.modals().expect([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < types->count(); ++i)
                filters << types->itemText(i);
            selectedFilter = types->currentText();
            typeFileNameAndAccept(dialog, target);
        });
        editor.click(ids::kOk);
        EXPECT_TRUE(editor.modals().unexpected.isEmpty())
            << editor.modals().unexpected.join("; ").toStdString();
        EXPECT_TRUE(editor.modals().messages.isEmpty())
            << editor.modals().messages.join("; ").toStdString();
        EXPECT_EQ(filters, QStringList({"Mapa bitowa 24-bit (*.bmp)  ", "Plik PNG (*.png)     "}));
        EXPECT_EQ(selectedFilter, filters.value(0));
        const auto file = editor.base() / toPath(row.written);
        ASSERT_TRUE(std::filesystem::exists(file)) << row.written.toStdString();
        EXPECT_EQ(magicOf(file) == kPngMagic, row.png) << row.name.toStdString();
        EXPECT_EQ(magicOf(file).substr(0, 2) == "BM", !row.png);
        const QImage saved(toQtPath(file), row.png ? "PNG" : "BMP");
        EXPECT_EQ(saved.size(), QSize(row.edge, row.edge));
        EXPECT_TRUE(editor.state().saved);
        EXPECT_TRUE(editor.dialog().isVisible());
        if (row.edge == 192) {
            // The canvas itself: its pixel (0, 0) is canvas pixel (0, 0), every pixel opaque.
            EXPECT_EQ(saved.pixel(0, 0), editor.canvasPixel(0, 0) | 0xff000000u);
            EXPECT_EQ(saved.pixel(12, 12), editor.canvasPixel(12, 12));
        }
    }
}

TEST(Save, CancelWritesNothingAndKeepsTheSavedFlag) {
    EditorFixture editor;
    editor.open();
    editor.modals().cancelSaveDialog();
    editor.click(ids::kOk);
    EXPECT_FALSE(editor.state().saved);
    EXPECT_FALSE(std::filesystem::exists(editor.base() / "portrait.bmp"));
    editor.modals().answerMessageBox(QMessageBox::Cancel);
    editor.click(ids::kCancel);  // still unsaved: closing asks
    EXPECT_EQ(editor.modals().messages.size(), 1);
}

TEST(Save, SavingAgainUnderTheSameNameAsksBeforeReplacing) {
    EditorFixture editor;
    editor.open();
    const QString target = toQtPath(editor.base() / "same.bmp");
    editor.modals().answerSaveDialog(target);
    editor.click(ids::kOk);
    const auto firstBytes = readBytes(editor.base() / "same.bmp");
    editor.click(ids::kMoveRight);
    EXPECT_FALSE(editor.state().saved);
    editor.modals().answerSaveDialog(target);
    editor.modals().answerMessageBox(QMessageBox::Yes);  // the dialog's overwrite question
    editor.click(ids::kOk);
    EXPECT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.state().saved);
    EXPECT_NE(readBytes(editor.base() / "same.bmp"), firstBytes);
}

TEST(Save, AFailedWriteIsReportedAndLeavesThePortraitUnsaved) {
    EditorFixture editor;
    editor.open();
    // A full disk: no file may grow past 100 bytes while the portrait is saved.
    const auto file = editor.base() / "full.png";
    const QString target = toQtPath(file);
    editor.modals().answerSaveDialog(target);
    editor.modals().answerMessageBox();
    {
        FileSizeLimit fullDisk(100);
        ASSERT_TRUE(fullDisk.active());
        editor.click(ids::kOk);
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(editor.modals().unexpected.isEmpty())
        << editor.modals().unexpected.join("; ").toStdString();
    EXPECT_EQ(editor.modals().messages,
              QStringList{QStringLiteral("画像ファイルの保存に失敗しました\n") + target + "\n" +
                          QString::fromStdString(systemFailure(EFBIG).reason)});
    EXPECT_FALSE(editor.state().saved);
    editor.modals().answerMessageBox(QMessageBox::Cancel);
    editor.click(ids::kCancel);  // closing still asks
    EXPECT_EQ(editor.modals().messages.size(), 2);
}

// Where the wall is missing or not opaque, the canvas on screen and the file hold the same
// pixels: both are composed over the same opaque base.
TEST(Save, TheFileHoldsThePixelsTheCanvasShows) {
    struct Row {
        const char* name;
        Argb wall;
    };
    const Row rows[] = {
        {"translucent wall", 0x80283c50u},
        {"transparent wall", 0x00ffffffu},
        {"opaque wall", kWallColour},
    };
    for (const Row& row : rows) {
        EditorFixture editor([&](const std::filesystem::path& base) {
            writeArgbPng(base / "picture" / "wall.png", kCanvasSize, kCanvasSize,
                         [&](int x, int) { return x < 100 ? row.wall : kWallColour; });
        });
        editor.open();
        QTest::mouseClick(editor.widget<QRadioButton>(ids::kSize192), Qt::LeftButton);
        const auto file = editor.base() / "shown.bmp";
        editor.modals().answerSaveDialog(toQtPath(file));
        editor.click(ids::kOk);
        ASSERT_TRUE(editor.modals().messages.isEmpty()) << row.name;
        const QImage shown = editor.shownCanvas();
        const QImage saved = QImage(toQtPath(file), "BMP").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(saved.size(), shown.size()) << row.name;
        int different = 0;
        for (int y = 0; y < kCanvasSize; ++y) {
            for (int x = 0; x < kCanvasSize; ++x)
                different += shown.pixel(x, y) != saved.pixel(x, y);
        }
        EXPECT_EQ(different, 0) << row.name;
        // The base is black: the file holds the colour bytes of the composed canvas, opaque.
        EXPECT_EQ(saved.pixel(0, 0), editor.canvasPixel(0, 0)) << row.name;
        EXPECT_EQ(alphaOf(editor.canvasPixel(0, 0)), 255u) << row.name;
    }
}

// A working folder whose name is not UTF-8: every part loads, and a save into it writes the
// file of that very name.
TEST(Save, AFolderNameThatIsNotUtf8LoadsAndSaves) {
    EditorFixture editor({}, "portrety\xff");
    editor.open();
    EXPECT_TRUE(editor.modals().messages.isEmpty())
        << editor.modals().messages.join("; ").toStdString();
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)), defaultTint(blockColour(kFace, 0)));
    EXPECT_EQ(editor.canvasPixel(100, 190), kWallColour);
    const auto entriesBefore =
        std::distance(std::filesystem::directory_iterator(editor.base()), {});
    const auto file = editor.base() / "zapis.png";
    editor.modals().answerSaveDialog(toQtPath(file));
    editor.click(ids::kOk);
    EXPECT_TRUE(editor.modals().unexpected.isEmpty())
        << editor.modals().unexpected.join("; ").toStdString();
    EXPECT_TRUE(editor.modals().messages.isEmpty())
        << editor.modals().messages.join("; ").toStdString();
    EXPECT_EQ(magicOf(file), kPngMagic);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(editor.base()), {}),
              entriesBefore + 1);
    EXPECT_TRUE(editor.state().saved);
}

// A file whose name is not UTF-8 is one Qt's dialog cannot see; choosing it still asks before
// it is replaced, and replaces that very file.
TEST(Save, AnExistingFileWhoseNameIsNotUtf8IsReplacedOnlyAfterTheQuestion) {
    EditorFixture editor;
    editor.open();
    const auto file = editor.base() / "portret\xff.bmp";
    std::ofstream(file) << "earlier bytes";
    const auto entriesBefore =
        std::distance(std::filesystem::directory_iterator(editor.base()), {});
    editor.modals().answerSaveDialog(toQtPath(file));
    editor.modals().answerMessageBox(QMessageBox::Yes);
    editor.click(ids::kOk);
    EXPECT_TRUE(editor.modals().unexpected.isEmpty())
        << editor.modals().unexpected.join("; ").toStdString();
    ASSERT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.modals().messages.front().endsWith(QStringLiteral("replace it?")))
        << editor.modals().messages.front().toStdString();
    EXPECT_EQ(magicOf(file).substr(0, 2), "BM");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(editor.base()), {}), entriesBefore);
    EXPECT_TRUE(editor.state().saved);
}

}  // namespace
}  // namespace kelvaro::test
