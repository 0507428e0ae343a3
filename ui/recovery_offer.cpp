// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/recovery_offer.h"

#include "editing/portrait_editor.h"
#include "io/document_io.h"
#include "io/recovery_folder.h"
#include "ui/warning_box.h"

namespace kelvaro {
namespace {

// The file read with a document's checks: the file or its contents give one reason.
std::variant<RecoveryFile, std::string> readRecoveryFile(const std::filesystem::path& file) {
    const DocumentText read = readDocumentText(file);
    if (!read.file)
        return read.file.reason;
    auto recovery = PortraitEditor::readRecovery(read.text);
    if (const auto* error = std::get_if<RecoveryError>(&recovery))
        return recoveryErrorReason(*error);
    return std::get<RecoveryFile>(std::move(recovery));
}

void reportBroken(QWidget* parent, const std::filesystem::path& file, const std::string& reason) {
    showWarning(parent,
                RecoveryTexts::tr("復元ファイルが壊れているため、別の場所に移しました。\n%1\n%2")
                    .arg(QString::fromStdString(file.string()), QString::fromStdString(reason)));
}

}  // namespace

QString recoveryQuestion() {
    return RecoveryTexts::tr(
        "Kelvaro nie został poprawnie zamknięty. Przywrócić niezapisany portret?");
}

std::filesystem::path offerRecovery(QWidget* parent, PortraitEditor& editor,
                                    const std::filesystem::path& folder) {
    for (const std::filesystem::path& file : orphanedRecoveryFiles(folder)) {
        auto read = readRecoveryFile(file);
        if (const auto* reason = std::get_if<std::string>(&read)) {
            discardRecoveryFile(folder, file);
            reportBroken(parent, file, *reason);
            continue;
        }
        if (showWarning(parent, recoveryQuestion(), QMessageBox::Ok | QMessageBox::Cancel,
                        QMessageBox::Ok) != QMessageBox::Ok) {
            discardRecoveryFile(folder, file);
            continue;
        }
        editor.restoreRecovery(std::get<RecoveryFile>(read));
        return file;
    }
    return {};
}

}  // namespace kelvaro
