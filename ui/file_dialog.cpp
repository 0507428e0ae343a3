// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/file_dialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <system_error>

#include "io/file_boundary.h"

namespace kelvaro {
namespace {

// A file that exists although Qt, which reads names as UTF-8, cannot find it: its name holds
// bytes that are not UTF-8, so the dialog's own overwrite question never sees it.
bool existsUnseenByQt(const QString& file) {
    const std::filesystem::path path = toPath(file);
    std::error_code error;
    return entryExists(path) && !std::filesystem::is_directory(path, error) &&
           !QFileInfo::exists(file);
}

}  // namespace

FileDialog::FileDialog(QWidget* owner) : QFileDialog(owner) {
    setOption(QFileDialog::DontUseNativeDialog);
}

std::filesystem::path FileDialog::chosenFile() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::filesystem::path() : toPath(files.front());
}

void FileDialog::accept() {
    const QStringList files = selectedFiles();
    const bool asks =
        acceptMode() == QFileDialog::AcceptSave && !testOption(QFileDialog::DontConfirmOverwrite);
    if (!asks || files.isEmpty() || !existsUnseenByQt(files.front())) {
        QFileDialog::accept();
        return;
    }
    // The dialog's own question, in its words.
    const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(files.front()).fileName());
    if (QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes)
        return;
    setOption(QFileDialog::DontConfirmOverwrite, true);
    QFileDialog::accept();
    setOption(QFileDialog::DontConfirmOverwrite, false);
}

std::filesystem::path chooseFileToOpen(QWidget& owner, const QString& objectName,
                                       const QStringList& filters) {
    FileDialog dialog(&owner);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

}  // namespace kelvaro
