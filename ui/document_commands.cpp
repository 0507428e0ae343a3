// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/document_commands.h"

#include <QCoreApplication>

#include "editing/portrait_editor.h"
#include "ui/file_dialog.h"
#include "ui/save_dialog.h"
#include "ui/warning_box.h"

namespace kelvaro {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("DocumentCommands", text);
}

const char* const kDocumentFilter =
    QT_TRANSLATE_NOOP("DocumentCommands", "Portret Kelvaro (*.kelvaro)");
const char* const kPngFilter = QT_TRANSLATE_NOOP("DocumentCommands", "Plik PNG (*.png)");
const char* const kOpenQuestion = QT_TRANSLATE_NOOP(
    "DocumentCommands", "Portret nie został zapisany. Otworzyć inny portret i porzucić zmiany?");

}  // namespace

QStringList portraitFileFilters() {
    return {tr(kDocumentFilter), tr(kPngFilter)};
}

namespace {

// The file the user chose, or an empty path when the dialog was cancelled. Opening offers
// portrait documents and PNG files; saving writes ".kelvaro".
std::filesystem::path choosePortraitFile(QWidget& window, QFileDialog::AcceptMode mode) {
    FileDialog dialog(&window);
    const bool saving = mode == QFileDialog::AcceptSave;
    dialog.setObjectName(saving ? QStringLiteral("savePortraitDialog")
                                : QStringLiteral("openPortraitDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(saving ? QStringList{tr(kDocumentFilter)} : portraitFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("kelvaro"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

}  // namespace

void exportWithDialog(QWidget& window, PortraitEditor& editor) {
    editor.endGesture();
    SaveDialog dialog(&window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().empty())
        return;
    editor.exportPortrait(dialog.chosenFile());
}

namespace {

// True unless steps would be lost and the user keeps them. Only steps made since the start, the
// last opening or the last save can be lost.
bool mayLeavePortrait(QWidget& window, PortraitEditor& editor) {
    editor.endGesture();
    return !editor.hasUnsavedSteps() ||
           showWarning(&window, tr(kOpenQuestion), QMessageBox::Ok | QMessageBox::Cancel) ==
               QMessageBox::Ok;
}

}  // namespace

void openWithDialog(QWidget& window, PortraitEditor& editor) {
    if (!mayLeavePortrait(window, editor))
        return;
    const auto file = choosePortraitFile(window, QFileDialog::AcceptOpen);
    if (!file.empty())
        editor.openDocument(file);
}

void openPortraitFile(QWidget& window, PortraitEditor& editor, const std::filesystem::path& file) {
    if (mayLeavePortrait(window, editor))
        editor.openDocument(file);
}

void saveDocument(QWidget& window, PortraitEditor& editor) {
    if (editor.documentFile().empty())
        saveDocumentAs(window, editor);
    else
        editor.saveDocument(editor.documentFile());
}

void saveDocumentAs(QWidget& window, PortraitEditor& editor) {
    editor.endGesture();
    const auto file = choosePortraitFile(window, QFileDialog::AcceptSave);
    if (!file.empty())
        editor.saveDocument(file);
}

}  // namespace kelvaro
