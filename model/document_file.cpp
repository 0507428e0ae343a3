// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_file.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <iterator>

#include "i18n/message_text.h"
#include "model/part_hash.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// The part file `layer` of the portrait's base loads (the base also while an expression is
// edited: the document's layers are the base's), relative to the base folder.
fs::path basePartPath(const PortraitDocument& portrait, int layer) {
    const int element = layerInfo(layer).element;
    return partPath(fs::path(), layerInfo(layer).folder,
                    portrait.layers[static_cast<std::size_t>(element)].partNumber);
}

OpenError openErrorOf(DocumentError error) {
    switch (error) {
        case DocumentError::NewerVersion:
            return OpenError::NewerVersion;
        case DocumentError::BadValues:
            return OpenError::BadValues;
        default:
            return OpenError::NotADocument;
    }
}

struct OpenErrorText {
    OpenError error;
    const char* text;
};
constexpr std::array<OpenErrorText, 5> kOpenErrorTexts = {{
    {OpenError::Unreadable,
     QT_TRANSLATE_NOOP("DocumentFile", "ポートレートファイルを読み込めませんでした")},
    {OpenError::NotADocument,
     QT_TRANSLATE_NOOP("DocumentFile", "ポートレートファイルの形式が正しくありません")},
    {OpenError::NoRecipe,
     QT_TRANSLATE_NOOP("DocumentFile", "このPNGファイルにはポートレートの情報がありません")},
    {OpenError::NewerVersion,
     QT_TRANSLATE_NOOP("DocumentFile",
                       "このポートレートファイルは新しいバージョンのKelvaroで作成されました")},
    {OpenError::BadValues,
     QT_TRANSLATE_NOOP("DocumentFile", "ポートレートファイルの内容が正しくありません")},
}};

}  // namespace

std::variant<DocumentFile, OpenFailure> readDocumentFile(const fs::path& file) {
    const DocumentText read = readDocumentText(file);
    if (!read.file)
        return OpenFailure{OpenError::Unreadable, read.file.reason};
    if (read.recipeMissing)
        return OpenFailure{OpenError::NoRecipe, {}};
    auto document = readDocumentJson(read.text);
    if (const auto* error = std::get_if<DocumentError>(&document))
        return OpenFailure{openErrorOf(*error), {}};
    return std::get<DocumentFile>(std::move(document));
}

std::string openErrorMessage(const OpenFailure& failure, const fs::path& file) {
    const auto row =
        std::find_if(kOpenErrorTexts.begin(), kOpenErrorTexts.end(),
                     [&failure](const OpenErrorText& r) { return r.error == failure.error; });
    return fileFailureMessage(translatedText("DocumentFile", row->text), file,
                              {false, failure.reason});
}

std::string saveErrorMessage(const fs::path& file, const FileResult& failure) {
    return fileFailureMessage(composeMessage(QCoreApplication::translate(
                                  "DocumentFile", "ポートレートファイルの保存に失敗しました")),
                              file, failure);
}

FileResult writeDocumentFile(const fs::path& file, const DocumentFile& document) {
    return writeDocumentText(file, writeDocumentJson(document));
}

std::array<PartFileRecord, kLayerCount> partRecordsOf(const PortraitDocument& portrait,
                                                      const fs::path& base, PartCache& cache) {
    std::array<PartFileRecord, kLayerCount> records;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const fs::path relative = basePartPath(portrait, layer);
        records[static_cast<std::size_t>(layer)] = {relative.generic_string(),
                                                    partFileHash(base / relative, cache)};
    }
    return records;
}

DocumentFile documentOf(const PortraitState& state) {
    DocumentFile document;
    document.portrait = capture(state);
    document.parts = partRecordsOf(document.portrait, state.baseDirectory,
                                   state.partCache ? *state.partCache : sharedPartCache());
    return document;
}

std::vector<std::string> changedPartFiles(const DocumentFile& document, const fs::path& base,
                                          PartCache& cache) {
    std::vector<std::string> changed;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const std::string path = basePartPath(document.portrait, layer).generic_string();
        const PartFileRecord& recorded = document.parts[static_cast<std::size_t>(layer)];
        if (!recorded.sha256)
            continue;  // missing when the portrait was saved: nothing to compare with
        const bool same =
            recorded.path == path && recorded.sha256 == partFileHash(base / path, cache);
        if (!same && std::find(changed.begin(), changed.end(), path) == changed.end())
            changed.push_back(path);
    }
    return changed;
}

std::string libraryChangedMessage(const std::vector<std::string>& files) {
    std::string message = composeMessage(QCoreApplication::translate(
        "DocumentFile", "ポートレートを保存した後に部品ライブラリが変更されました"));
    for (const std::string& file : files)
        message += "\n" + file;
    return message;
}

}  // namespace kelvaro
