// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/window_title.h"

#include <QWidget>

#include "editing/portrait_editor.h"
#include "io/file_boundary.h"

namespace kelvaro {
namespace {

const QString kProgramTitle = QStringLiteral("Kelvaro");
const QString kPlaceholder = QStringLiteral("[*]");

}  // namespace

QString documentWindowTitle(const std::filesystem::path& documentFile) {
    if (documentFile.empty())
        return kProgramTitle;
    QString name = toQtPath(documentFile.filename());
    name.replace(kPlaceholder, kPlaceholder + kPlaceholder);
    return name + kPlaceholder + QStringLiteral(" – ") + kProgramTitle;
}

void showDocumentTitle(QWidget& window, const PortraitEditor& editor) {
    const std::filesystem::path& document = editor.documentFile();
    // Qt warns of a modified window whose title has no placeholder: the flag goes first.
    if (document.empty())
        window.setWindowModified(false);
    window.setWindowTitle(documentWindowTitle(document));
    if (!document.empty())
        window.setWindowModified(!editor.state().saved);
}

}  // namespace kelvaro
