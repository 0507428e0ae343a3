// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents and export. A document keeps the whole portrait (parts, placements, tints) so
// that it opens again exactly; exported PNGs carry the same document and open as well.
#include <QUndoStack>

#include "editing/portrait_editor.h"
#include "model/document_file.h"
#include "model/face_files.h"
#include "model/face_sheet.h"
#include "model/part_preview.h"
#include "model/portrait_export.h"
#include "model/renumbered_parts.h"

namespace kelvaro {
namespace {

const char* const kPictureNotSaved =
    QT_TRANSLATE_NOOP("kelvaro::PortraitEditor", "画像ファイルの保存に失敗しました");

bool isDocumentFile(const std::filesystem::path& file) {
    return file.extension() == ".kelvaro";
}

}  // namespace

bool PortraitEditor::openDocument(const std::filesystem::path& file) {
    endGesture();
    auto read = readDocumentFile(file);
    if (const auto* failure = std::get_if<OpenFailure>(&read)) {
        report(QString::fromStdString(openErrorMessage(*failure, file)));
        return false;
    }
    DocumentFile& document = std::get<DocumentFile>(read);
    // Parts renumbered since the save are found before the portrait is shown, so that it shows
    // them from the first load.
    const LibraryChanges library =
        followLibrary(document, m_state.baseDirectory,
                      m_state.partCache ? *m_state.partCache : sharedPartCache());
    recordStep(stepKind(Step::OpenPortrait), [&] {
        apply(document.portrait, m_state, reporter(), ApplyScope::Everything);
        emit changed(kWholePortrait);
    });
    // A picture is no document to write back to: "Zapisz portret" asks for a name then.
    m_documentFile = isDocumentFile(file) ? file : std::filesystem::path();
    markSaved();
    if (library.any())
        report(QString::fromStdString(libraryChangedMessage(listedChanges(library))));
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
    if (const FileResult written = writeDocumentFile(file, documentOf(m_state)); !written) {
        report(QString::fromStdString(saveErrorMessage(file, written)));
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
    const FileResult written = kelvaro::exportPortrait(*canvas, m_state.sizeChoice, file, recipe);
    if (!written) {
        report(QString::fromStdString(
            fileFailureMessage(tr(kPictureNotSaved).toStdString(), file, written)));
        return false;
    }
    markSaved();
    return true;
}

bool PortraitEditor::exportFaceSheet(const std::filesystem::path& file, const SheetLayout& layout,
                                     Backdrop backdrop) {
    endGesture();
    const DocumentFile document = documentOf(m_state);
    const PortraitImage sheet = faceSheet(document.portrait, facePreview(), layout, backdrop);
    const FileResult written =
        writePictureFile(file, imageFileBytes(sheet, ExportFormat::Png, writeDocumentJson(document),
                                              PngCompression::Fastest));
    if (!written) {
        report(QString::fromStdString(
            fileFailureMessage(tr(kPictureNotSaved).toStdString(), file, written)));
        return false;
    }
    return true;
}

PartPreview& PortraitEditor::facePreview() {
    if (!m_facePreview || m_facePreviewBase != m_state.baseDirectory) {
        m_facePreview = std::make_unique<PartPreview>(m_state.baseDirectory, m_state.partCache);
        m_facePreviewBase = m_state.baseDirectory;
    }
    return *m_facePreview;
}

bool PortraitEditor::exportFaces(const std::filesystem::path& folder) {
    endGesture();
    DocumentFile document = documentOf(m_state);
    const auto pictures = facePictures(document.portrait, facePreview(),
                                       exportEdgeLength(m_state.sizeChoice), Backdrop::Opaque);
    const auto names = faceFileNames(document.portrait.expressions);
    for (std::size_t face = 0; face < pictures.size(); ++face) {
        document.portrait.expressions.edited = static_cast<int>(face);
        const auto file = folder / names[face];  // UTF-8 bytes, as Linux names files
        const FileResult written = writePictureFile(
            file, imageFileBytes(pictures[face], ExportFormat::Png, writeDocumentJson(document)));
        if (!written) {
            report(QString::fromStdString(
                fileFailureMessage(tr(kPictureNotSaved).toStdString(), file, written)));
            return false;
        }
    }
    return true;
}

}  // namespace kelvaro
