// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// In the source language, installed as the program installs it, the dialogs Qt builds itself
// speak Polish: the save dialog and the message boxes' buttons.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"
#include "ui/language_switch.h"

namespace kelvaro::test {
namespace {

QStringList visibleButtonTexts(QWidget* window) {
    QStringList texts;
    for (auto* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible())
            texts << button->text();
    }
    texts.sort();
    return texts;
}

TEST(QtTranslation, SaveDialogAndMessageBoxButtonsArePolish) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_pl.qm")))
        GTEST_SKIP() << "qtbase_pl.qm is not installed (scripts/install-deps test installs it)";
    const NoLanguageAfterwards restore;
    speak(InterfaceLanguage::Source);
    EditorFixture editor;
    editor.open();
    QStringList saveButtons, boxButtons;
    QString fileNameLabel;
    editor.modals().expect([&](QWidget* modal) {
        saveButtons = visibleButtonTexts(modal);
        if (auto* label = modal->findChild<QLabel*>("fileNameLabel"))
            fileNameLabel = label->text();
        modal->close();
    });
    editor.click(ids::kOk);
    editor.modals().expect([&](QWidget* modal) {
        boxButtons = visibleButtonTexts(modal);
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Cancel)->click();
    });
    editor.click(ids::kCancel);

    EXPECT_EQ(saveButtons, QStringList({"&Zachowaj", "Anuluj"}));
    EXPECT_EQ(fileNameLabel, "Nazwa &pliku:");
    EXPECT_EQ(boxButtons, QStringList({"Anuluj", "OK"}));
    EXPECT_TRUE(editor.dialog().isVisible());
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
