// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The "Miny" tab: F5 opens it with the keyboard in the cards; its buttons and cards run the
// owner's expression commands, and each card shows its face as the canvas shows it.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include "imaging/export_image.h"
#include "model/document_file.h"
#include "tests/ui/editor_fixture.h"
#include "ui/companion_window.h"
#include "ui/expressions_tab.h"
#include "ui/face_sheet_dialog.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

constexpr int kPatienceMs = 10000;

void clickButton(ExpressionsTab& tab, const char* name) {
    tab.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

TEST(ExpressionsTab, F5CardsShowEachFaceAndChooseTheFaceEdited) {
    EditorFixture editor;
    editor.open();
    editor.press(Qt::Key_F5);
    ASSERT_NE(editor.dialog().companion(), nullptr);
    ExpressionsTab* tab = editor.dialog().companion()->expressionsTab();
    activateWindowOf(tab);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::focusWidget() == tab->cards(); }, kPatienceMs));
    EXPECT_EQ(tab->cells().count(), 1);

    clickButton(*tab, "basicExpressions");
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Zestaw podstawowy"));
    clickButton(*tab, "addExpression");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs));
    ASSERT_EQ(tab->cells().count(), 9);
    EXPECT_EQ(tab->cells().data(tab->cells().index(0), Qt::DisplayRole).toString(),
              QStringLiteral("Neutralna"));
    EXPECT_EQ(tab->cells().data(tab->cells().index(1), Qt::DisplayRole).toString(),
              QStringLiteral("Radość"));
    EXPECT_EQ(editor.state().expressions.edited, 8);  // the expression just added

    QTest::keyClick(tab->cards(), Qt::Key_Home);
    QTest::keyClick(tab->cards(), Qt::Key_Right);
    QTest::keyClick(tab->cards(), Qt::Key_Space);
    EXPECT_EQ(editor.state().expressions.edited, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs));
    for (int face : {1, 0, 2}) {
        editor.portrait().chooseFace(face);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs));
        EXPECT_EQ(tab->cells().picture(face),
                  exportedImage(*editor.canvas(), GalleryRenderer::kCellEdge))
            << face;
        EXPECT_EQ(tab->cells().currentPart(), face);
    }

    clickButton(*tab, "removeExpression");  // face 2 goes
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs));
    EXPECT_EQ(tab->cells().count(), 8);
    editor.portrait().undo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs));
    EXPECT_EQ(tab->cells().count(), 9);
}

// "Zmień nazwę…" asks in Qt's input dialog, keeping the name when cancelled or left blank;
// "Wczytaj miny z portretu…" takes the set of the document chosen in the open dialog.
TEST(ExpressionsTab, RenamingAndLoadingGoThroughTheirDialogs) {
    TempFolder folder;
    EditorFixture editor;
    editor.open();
    editor.portrait().addBasicExpressions();
    editor.portrait().chooseFace(2);
    editor.press(Qt::Key_F5);
    ExpressionsTab* tab = editor.dialog().companion()->expressionsTab();
    const auto rename = [&](const QString& typed, bool accept) {
        editor.modals().expect([&, typed, accept](QWidget* window) {
            ASSERT_EQ(window->objectName(), QStringLiteral("renameExpressionDialog"));
            auto* field = window->findChild<QLineEdit*>();
            EXPECT_EQ(field->text(), QStringLiteral("Śmiech"));
            field->selectAll();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, accept ? Qt::Key_Return : Qt::Key_Escape);
        });
        clickButton(*tab, "renameExpression");
        ASSERT_TRUE(editor.modals().allHandled());
    };
    rename(QStringLiteral("Chichot"), false);
    rename(QStringLiteral("   "), true);
    EXPECT_EQ(editor.state().expressions.expressions[1].name, "Śmiech");
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Zestaw podstawowy"));
    editor.modals().expect([](QWidget* window) {
        auto* field = window->findChild<QLineEdit*>();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral(" Chichot "));
        QTest::keyClick(field, Qt::Key_Return);
    });
    clickButton(*tab, "renameExpression");
    EXPECT_EQ(editor.state().expressions.expressions[1].name, "Chichot");
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Zmień nazwę"));

    const auto file = folder.path() / "aktor.kelvaro";
    ASSERT_TRUE(editor.portrait().saveDocument(file));
    const ExpressionSet saved = editor.state().expressions;
    editor.portrait().undo();
    editor.portrait().undo();
    ASSERT_TRUE(editor.state().expressions.expressions.empty());
    editor.modals().expect([&](QWidget* window) {
        EXPECT_EQ(window->objectName(), QStringLiteral("loadExpressionsDialog"));
        typeFileNameAndAccept(qobject_cast<QFileDialog*>(window),
                              QString::fromStdString(file.string()));
    });
    clickButton(*tab, "loadExpressions");
    ASSERT_TRUE(editor.modals().allHandled());
    EXPECT_EQ(editor.state().expressions.expressions, saved.expressions);
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Wczytaj miny"));
}

// Ctrl+E: the sheet dialog's filter chooses the layout and its box leaves out the wall; the sheet
// carries the portrait, so opening it gives back the expressions.
TEST(ExpressionsTab, CtrlESavesTheChosenSheetThatOpensAgainWithItsExpressions) {
    TempFolder folder;
    EditorFixture editor;
    editor.open();
    editor.portrait().addBasicExpressions();
    const ExpressionSet expressions = editor.state().expressions;
    const auto file = folder.path() / "aktor";
    editor.modals().expect([&](QWidget* window) {
        auto* dialog = qobject_cast<FaceSheetDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->selectedNameFilter(),
                  QStringLiteral("RPG Maker MZ/MV (4×2, 144 px) (*.png)"));
        dialog->selectNameFilter(dialog->nameFilters().at(1));
        dialog->transparentBox()->setChecked(true);
        typeFileNameAndAccept(dialog, QString::fromStdString(file.string()));
    });
    activateWindowOf(&editor.dialog());
    editor.press(Qt::CTRL | Qt::Key_E);
    ASSERT_TRUE(editor.modals().allHandled());
    const QImage sheet(QString::fromStdString(file.string() + ".png"));
    EXPECT_EQ(sheet.size(), QSize(384, 192));
    EXPECT_EQ(qAlpha(sheet.pixel(0, 0)), 0);  // no wall

    editor.portrait().addExpression(QStringLiteral("Inna"));
    ASSERT_TRUE(editor.portrait().openDocument(file.string() + ".png"));
    EXPECT_EQ(editor.state().expressions.expressions, expressions.expressions);
}

// "Zapisz miny jako pliki…" in the window menu: a folder chosen in Qt's dialog gets one file per
// face, named after it, each opening with its face shown.
TEST(ExpressionsTab, TheFacesGoIntoTheFolderChosenOneFileEach) {
    TempFolder folder;
    EditorFixture editor;
    editor.open();
    editor.portrait().addBasicExpressions();
    editor.modals().expect([&](QWidget* window) {
        typeFileNameAndAccept(qobject_cast<QFileDialog*>(window),
                              QString::fromStdString(folder.path().string()));
    });
    editor.chooseFromMenu(QStringLiteral("Zapisz miny jako pliki"));
    ASSERT_TRUE(editor.modals().allHandled());
    const std::vector<std::string> names = {"Neutralna.png", "Radość.png", "Sen.png"};
    for (const int face : {0, 1, 7}) {
        const auto file = folder.path() / names[face == 7 ? 2 : static_cast<std::size_t>(face)];
        EXPECT_EQ(QImage(QString::fromStdString(file.string())).size(), QSize(48, 48)) << face;
        const auto read = readDocumentFile(file);
        ASSERT_TRUE(std::holds_alternative<DocumentFile>(read)) << face;
        EXPECT_EQ(std::get<DocumentFile>(read).portrait.expressions.edited, face);
    }
    EXPECT_EQ(namesIn(folder.path()).size(), 8u);
}

}  // namespace
}  // namespace kelvaro::test
