// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Ctrl+Q closes the window through the close command, with its question, wherever the focus is.
#include <gtest/gtest.h>
#include <QTest>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

const QString kCloseQuestion = QStringLiteral("Zakończyć pracę z programem?          ");

// Ctrl+Q pressed in `target`, its window being the active one, as it is when a user types.
void pressCtrlQ(EditorFixture& editor, QWidget* target) {
    editor.dialog().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor.dialog()));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Q, Qt::ControlModifier);
}

TEST(QuitKey, CtrlQAsksWhenUnsavedWhereverTheFocusIs) {
    for (int focus : {ids::kElementList, ids::kRedEdit, ids::kMoveUp, ids::kOk}) {
        EditorFixture editor;
        editor.open();
        QWidget* target = editor.dialog().control(focus);
        editor.modals().answerMessageBox(QMessageBox::Cancel);
        pressCtrlQ(editor, target);
        EXPECT_EQ(editor.modals().messages, QStringList{kCloseQuestion}) << focus;
        EXPECT_TRUE(editor.dialog().isVisible()) << focus;
        EXPECT_FALSE(editor.state().released()) << focus;

        editor.modals().answerMessageBox(QMessageBox::Ok);
        pressCtrlQ(editor, target);
        EXPECT_FALSE(editor.dialog().isVisible()) << focus;
        EXPECT_TRUE(editor.state().released()) << focus;
        EXPECT_EQ(editor.dialog().result(), QDialog::Rejected);
        EXPECT_TRUE(editor.modals().unexpected.isEmpty());
    }
}

TEST(QuitKey, ASavedPortraitClosesAtOnceAndOtherKeysWithQDoNothing) {
    EditorFixture editor;
    editor.open();
    QWidget* list = editor.dialog().control(ids::kElementList);
    list->setFocus();
    for (auto modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::AltModifier),
          Qt::ControlModifier | Qt::ShiftModifier}) {
        QTest::keyClick(list, Qt::Key_Q, modifiers);
    }
    QTest::qWait(20);
    EXPECT_TRUE(editor.dialog().isVisible());
    EXPECT_TRUE(editor.modals().messages.isEmpty());
    editor.state().saved = true;
    pressCtrlQ(editor, list);
    EXPECT_FALSE(editor.dialog().isVisible());
    EXPECT_TRUE(editor.modals().messages.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
