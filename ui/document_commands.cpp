// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents: "Otwórz portret…", "Zapisz portret" and "Zapisz portret jako…". A
// document keeps the whole portrait (parts, placements, tints) so that it opens again exactly;
// exported PNGs carry the same document and open as well.
#include <QUndoStack>

#include "model/document_file.h"
#include "ui/file_dialog.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

const QString kDocumentFilter = QStringLiteral("Portret Kelvaro (*.kelvaro)");
const QString kPngFilter = QStringLiteral("Plik PNG (*.png)");

// The file dialog of the document commands: Qt's own, not the desktop's, as every dialog here.
std::filesystem::path chooseFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    FileDialog dialog(parent);
    const bool saving = mode == QFileDialog::AcceptSave;
    dialog.setObjectName(saving ? QStringLiteral("savePortraitDialog")
                                : QStringLiteral("openPortraitDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(saving ? QStringList{kDocumentFilter}
                                 : QStringList{kDocumentFilter, kPngFilter});
    dialog.setDefaultSuffix(QStringLiteral("kelvaro"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

bool isDocumentFile(const std::filesystem::path& file) {
    return file.extension() == ".kelvaro";
}

}  // namespace

void CKelvaroDlg::onOpenPortrait() {
    endGesture();
    if (!confirmDiscard())
        return;
    const auto file = chooseFile(this, QFileDialog::AcceptOpen);
    if (!file.empty())
        openPortrait(file);
}

bool CKelvaroDlg::openPortrait(const std::filesystem::path& file) {
    auto read = readDocumentFile(file);
    if (const auto* failure = std::get_if<OpenFailure>(&read)) {
        reportText(openErrorMessage(*failure, file));
        return false;
    }
    const DocumentFile& document = std::get<DocumentFile>(read);
    recordStep(Step::OpenPortrait, [&] {
        apply(document.portrait, m_state, reporter(), ApplyScope::Everything);
        writeControls();
        redraw();
    });
    // A picture is no document to write back to: "Zapisz portret" asks for a name then.
    m_documentFile = isDocumentFile(file) ? file : std::filesystem::path();
    markSaved();
    const auto changed = changedPartFiles(document, m_state.baseDirectory);
    if (!changed.empty())
        reportText(libraryChangedMessage(changed));
    return true;
}

void CKelvaroDlg::onSavePortrait() {
    if (m_documentFile.empty())
        onSavePortraitAs();
    else
        savePortraitTo(m_documentFile);
}

void CKelvaroDlg::onSavePortraitAs() {
    endGesture();
    const auto file = chooseFile(this, QFileDialog::AcceptSave);
    if (!file.empty())
        savePortraitTo(file);
}

bool CKelvaroDlg::savePortraitTo(const std::filesystem::path& file) {
    endGesture();
    if (const FileResult written = writeDocumentFile(file, documentOf(m_state)); !written) {
        reportText(saveErrorMessage(file, written));
        return false;
    }
    m_documentFile = file;
    markSaved();
    return true;
}

}  // namespace kelvaro
