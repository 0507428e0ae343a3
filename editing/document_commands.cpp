// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents and export. A document keeps the whole portrait (parts, placements, tints) so
// that it opens again exactly; exported PNGs carry the same document and open as well.
#include <QUndoStack>

#include "editing/portrait_editor.h"
#include "imaging/export.h"
#include "imaging/file_boundary.h"
#include "model/document_file.h"

namespace kelvaro {
namespace {

bool isDocumentFile(const std::filesystem::path& file) {
    return file.extension() == ".kelvaro";
}

}  // namespace

bool PortraitEditor::openDocument(const std::filesystem::path& file) {
    endGesture();
    auto read = readDocumentFile(file);
    if (const auto* error = std::get_if<OpenError>(&read)) {
        report(QString::fromStdString(openErrorMessage(*error, file)));
        return false;
    }
    const DocumentFile& document = std::get<DocumentFile>(read);
    recordStep(stepKind(Step::OpenPortrait), [&] {
        apply(document.portrait, m_state, reporter(), ApplyScope::Everything);
        emit changed(kWholePortrait);
    });
    // A picture is no document to write back to: "Zapisz portret" asks for a name then.
    m_documentFile = isDocumentFile(file) ? file : std::filesystem::path();
    markSaved();
    const auto changedFiles = changedPartFiles(document, m_state.baseDirectory);
    if (!changedFiles.empty())
        report(QString::fromStdString(libraryChangedMessage(changedFiles)));
    return true;
}

bool PortraitEditor::openStartupDocument(const std::filesystem::path& file) {
    if (!openDocument(file))
        return false;
    m_history->clear();
    markSaved();
    return true;
}

bool PortraitEditor::saveDocument(const std::filesystem::path& file) {
    endGesture();
    if (!writeDocumentFile(file, documentOf(m_state))) {
        report(QString::fromStdString(saveErrorMessage(file)));
        return false;
    }
    m_documentFile = file;
    markSaved();
    return true;
}

bool PortraitEditor::exportPortrait(const std::filesystem::path& file) {
    endGesture();
    auto canvas = makeCanvasPixels();
    compose(*canvas);
    const std::string recipe = writeDocumentJson(documentOf(m_state));
    if (!kelvaro::exportPortrait(*canvas, m_state.sizeChoice, file, recipe)) {
        report(QStringLiteral("画像ファイルの保存に失敗しました\n%1").arg(toQtPath(file)));
        return false;
    }
    markSaved();
    return true;
}

}  // namespace kelvaro
