// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/document_dialogs.h"

#include "ui/file_dialog.h"

namespace kelvaro {
namespace {

const QString kDocumentFilter = QStringLiteral("Portret Kelvaro (*.kelvaro)");
const QString kPngFilter = QStringLiteral("Plik PNG (*.png)");

}  // namespace

std::filesystem::path choosePortraitFile(QWidget* parent, QFileDialog::AcceptMode mode) {
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

}  // namespace kelvaro
