// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents through the window: saved and opened with the real file dialog, the
// recipe in exported PNGs, the library-changed message, and bad files that change nothing.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QImage>
#include <QTest>
#include <QUndoStack>
#include <cerrno>

#include "io/file_boundary.h"
#include "model/document_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/ui/portrait_building.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

constexpr QKeyCombination kSaveAs = Qt::CTRL | Qt::SHIFT | Qt::Key_S;
constexpr QKeyCombination kSave = Qt::CTRL | Qt::Key_S;
constexpr QKeyCombination kOpen = Qt::CTRL | Qt::Key_O;

QImage imageOf(const std::filesystem::path& file) {
    return QImage(toQtPath(file));
}

void expectNoSurprises(EditorFixture& editor) {
    EXPECT_TRUE(editor.modals().unexpected.isEmpty())
        << editor.modals().unexpected.join("; ").toStdString();
    EXPECT_TRUE(editor.modals().allHandled());
}

TEST(Documents, SavedPortraitReopensToTheSameExport) {
    TempFolder out;
    EditorFixture first;
    first.open();
    buildPortraitWithControls(first);
    exportThroughDialog(first, out.path() / "before.png");
    first.click(ids::kMoveDown);  // unsaved again
    first.modals().expect([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Portret Kelvaro (*.kelvaro)"});
        EXPECT_EQ(dialog->defaultSuffix(), "kelvaro");
        typeFileNameAndAccept(dialog, toQtPath(out.path() / "face"));
    });
    first.widget<QWidget>(ids::kRedEdit)->setFocus();  // the keys work from an edit too
    first.press(kSaveAs);
    expectNoSurprises(first);
    ASSERT_TRUE(std::filesystem::exists(out.path() / "face.kelvaro"));
    EXPECT_TRUE(first.state().saved);
    EXPECT_EQ(first.portrait().documentFile(), out.path() / "face.kelvaro");
    exportThroughDialog(first, out.path() / "first.png");

    EditorFixture second;
    second.open();
    // An untouched portrait has nothing to lose: the file dialog comes without a question.
    second.modals().expect([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({"Portret Kelvaro (*.kelvaro)", "Plik PNG (*.png)"}));
        typeFileNameAndAccept(dialog, toQtPath(out.path() / "face.kelvaro"));
    });
    second.press(kOpen);
    expectNoSurprises(second);
    EXPECT_TRUE(second.state().saved);
    EXPECT_TRUE(*second.canvas() == *first.canvas());
    exportThroughDialog(second, out.path() / "second.png");
    EXPECT_EQ(imageOf(out.path() / "second.png"), imageOf(out.path() / "first.png"));
    EXPECT_NE(imageOf(out.path() / "second.png"), imageOf(out.path() / "before.png"));

    // "Zapisz portret" now writes where the document came from, without asking.
    second.click(ids::kMoveLeft);
    EXPECT_FALSE(second.state().saved);
    second.press(kSave);
    expectNoSurprises(second);
    EXPECT_TRUE(second.state().saved);
    const auto reread = readDocumentFile(out.path() / "face.kelvaro");
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(reread));
    EXPECT_EQ(std::get<DocumentFile>(reread).portrait, capture(second.state()));
}

TEST(Documents, ExportedPngOpensAsTheEditablePortrait) {
    TempFolder out;
    EditorFixture first;
    first.open();
    buildPortraitWithControls(first);
    exportThroughDialog(first, out.path() / "face.png");
    exportThroughDialog(first, out.path() / "face.bmp");
    expectNoSurprises(first);

    EditorFixture second;
    second.open();
    EXPECT_TRUE(second.portrait().openDocument(out.path() / "face.png"));
    EXPECT_TRUE(*second.canvas() == *first.canvas());
    EXPECT_EQ(capture(second.state()), capture(first.state()));
    EXPECT_TRUE(second.portrait().documentFile().empty());  // a picture is not written back to

    second.modals().answerMessageBox();
    EXPECT_FALSE(second.portrait().openDocument(out.path() / "face.bmp"));
    EXPECT_EQ(second.modals().messages,
              QStringList{QString::fromStdString(
                  openErrorMessage({OpenError::NotADocument, {}}, out.path() / "face.bmp"))});
}

TEST(Documents, TheDocumentGivenAtStartIsWhereTheWorkBegins) {
    TempFolder out;
    EditorFixture first;
    first.open();
    first.click(ids::kNext);
    first.click(ids::kRotateRight);
    ASSERT_TRUE(writeDocumentFile(out.path() / "start.kelvaro", documentOf(first.state())));

    EditorFixture second;
    second.dialog().setStartupDocument(out.path() / "start.kelvaro");
    second.open();
    expectNoSurprises(second);
    EXPECT_TRUE(*second.canvas() == *first.canvas());
    EXPECT_TRUE(second.state().saved);  // closing right away does not ask
    EXPECT_FALSE(second.portrait().history().canUndo());
    EXPECT_EQ(second.portrait().documentFile(), out.path() / "start.kelvaro");
}

// Opening asks its own question, and only when steps were made since the start, the last opening
// or the last save: a portrait nobody touched loses nothing.
TEST(Documents, OpeningAsksFirstOnlyWhenStepsWouldBeLost) {
    const QString question =
        QStringLiteral("Portret nie został zapisany. Otworzyć inny portret i porzucić zmiany?");
    struct Row {
        const char* name;
        std::function<void(EditorFixture&)> before;
        bool asks;
    };
    const std::vector<Row> rows = {
        {"untouched", [](EditorFixture&) {}, false},
        {"a move", [](EditorFixture& e) { e.click(ids::kMoveRight); }, true},
        {"a turn alone", [](EditorFixture& e) { e.click(ids::kRotateRight); }, true},
        {"a move undone",
         [](EditorFixture& e) {
             e.click(ids::kMoveRight);
             e.press(Qt::CTRL | Qt::Key_Z);
         },
         false},
        {"another element only", [](EditorFixture& e) { e.selectElement(kNose); }, false},
    };
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        row.before(editor);
        const auto before = editor.canvas();
        if (row.asks)
            editor.modals().answerMessageBox(QMessageBox::Cancel);
        else
            editor.modals().expect([](QWidget* w) { w->close(); });  // the file dialog
        editor.press(kOpen);
        expectNoSurprises(editor);
        EXPECT_EQ(editor.modals().messages, row.asks ? QStringList{question} : QStringList{})
            << row.name;
        EXPECT_TRUE(*editor.canvas() == *before) << row.name;
    }
}

TEST(Documents, ChangedLibraryIsReportedAndThePortraitOpensAllTheSame) {
    TempFolder out;
    EditorFixture first;
    first.open();
    first.click(ids::kNext);
    ASSERT_TRUE(writeDocumentFile(out.path() / "a.kelvaro", documentOf(first.state())));

    EditorFixture second([](const std::filesystem::path& base) {
        writeSolidPart(base / "picture/face/001.png", 0xff00ff00u);
        std::filesystem::remove(base / "picture/mouthop/000.png");
    });
    second.open();
    second.modals().answerMessageBox();
    EXPECT_TRUE(second.portrait().openDocument(out.path() / "a.kelvaro"));
    expectNoSurprises(second);
    EXPECT_EQ(second.modals().messages,
              QStringList{"ポートレートを保存した後に部品ライブラリが変更されました\n"
                          "picture/face/001.png\npicture/mouthop/000.png"});
    EXPECT_EQ(second.state().layer(kFace).partNumber, 1);
    EXPECT_EQ(second.canvasPixel(blockCentre(kFace)), 0xff00ff00u & 0xfffefefe);
}

TEST(Documents, RenumberedPartIsShownAtItsNewNumberInOneStepWithOneMessage) {
    TempFolder out;
    EditorFixture first;
    first.open();
    first.click(ids::kNext);
    first.click(ids::kNext);  // face 002
    ASSERT_TRUE(writeDocumentFile(out.path() / "a.kelvaro", documentOf(first.state())));

    EditorFixture second([](const std::filesystem::path& base) {
        const auto face = [&](const char* name) { return base / "picture/face" / name; };
        std::filesystem::rename(face("002.png"), face("tmp.png"));
        std::filesystem::rename(face("005.png"), face("002.png"));
        std::filesystem::rename(face("tmp.png"), face("005.png"));
    });
    second.open();
    const int stepsBefore = second.portrait().history().count();
    second.modals().answerMessageBox();
    EXPECT_TRUE(second.portrait().openDocument(out.path() / "a.kelvaro"));
    expectNoSurprises(second);
    EXPECT_EQ(second.modals().messages,
              QStringList{"ポートレートを保存した後に部品ライブラリが変更されました\n"
                          "face: 002 → 005"});
    EXPECT_EQ(second.state().layer(kFace).partNumber, 5);
    EXPECT_EQ(second.canvasPixel(blockCentre(kFace)), defaultTint(blockColour(kFace, 2)));
    EXPECT_EQ(second.portrait().history().count(), stepsBefore + 1);
    EXPECT_TRUE(second.state().saved);
    second.press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(second.state().layer(kFace).partNumber, 0);
}

TEST(Documents, BadFilesLeaveThePortraitAndTheSavedFlagAsTheyWere) {
    TempFolder out;
    const std::string good = writeDocumentJson(DocumentFile{});
    const std::pair<const char*, std::string> files[] = {
        {"text.kelvaro", "hello"},
        {"truncated.kelvaro", good.substr(0, good.size() / 3)},
        {"newer.kelvaro", std::string(good).replace(good.find("\"1.1\""), 5, "\"9.0\"")},
        {"types.kelvaro",
         std::string(good).replace(good.find("\"element\": 0"), 12, "\"element\": []")},
        {"garbage.kelvaro", std::string(10'000'000, '\x01')},
    };
    for (const auto& [name, bytes] : files)
        out.writeFile(name, bytes);
    std::filesystem::create_directory(out.path() / "folder.kelvaro");
    for (bool saved : {false, true}) {
        EditorFixture editor;
        editor.open();
        editor.click(ids::kNext);
        editor.click(ids::kRotateLeft);
        editor.state().saved = saved;
        const auto canvas = editor.canvas();
        const PortraitDocument document = capture(editor.state());
        for (const char* name : {"text.kelvaro", "truncated.kelvaro", "newer.kelvaro",
                                 "types.kelvaro", "garbage.kelvaro", "folder.kelvaro"}) {
            editor.modals().answerMessageBox();
            EXPECT_FALSE(editor.portrait().openDocument(out.path() / name)) << name;
            EXPECT_EQ(capture(editor.state()), document) << name;
            EXPECT_TRUE(*editor.canvas() == *canvas) << name;
            EXPECT_EQ(editor.state().saved, saved) << name;
        }
        expectNoSurprises(editor);
        EXPECT_EQ(editor.modals().messages.size(), 6);
        EXPECT_TRUE(editor.modals().messages[2].startsWith(
            "このポートレートファイルは新しいバージョンのKelvaroで作成されました"));
    }
}

TEST(Documents, AFailedSaveIsReportedAndTheOldFileStays) {
    TempFolder out;
    EditorFixture editor;
    editor.open();
    editor.click(ids::kNext);
    const auto file = out.path() / "kept.kelvaro";
    out.writeFile("kept.kelvaro", "old");
    editor.modals().answerSaveDialog(toQtPath(file));
    editor.modals().answerMessageBox(QMessageBox::Yes);  // the dialog's overwrite question
    editor.modals().answerMessageBox();
    {
        FileSizeLimit fullDisk(100);  // no file may grow past 100 bytes
        ASSERT_TRUE(fullDisk.active());
        editor.press(kSaveAs);
    }
    expectNoSurprises(editor);
    EXPECT_EQ(editor.modals().messages.last(),
              QString::fromStdString("ポートレートファイルの保存に失敗しました\n" + file.string() +
                                     "\n" + systemFailure(EFBIG).reason));
    EXPECT_EQ(readBytes(file), "old");
    EXPECT_FALSE(editor.state().saved);
    EXPECT_TRUE(editor.portrait().documentFile().empty());
}

}  // namespace
}  // namespace kelvaro::test
