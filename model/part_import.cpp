// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_import.h"

#include <QCoreApplication>
#include <cstdio>

#include "i18n/message_text.h"
#include "imaging/part_fit.h"
#include "io/file_boundary.h"
#include "io/new_files.h"
#include "model/layer_tables.h"
#include "model/part_library.h"
#include "model/picture_parts.h"

namespace kelvaro {
namespace {

std::string importText(const char* source, std::initializer_list<std::string_view> values = {}) {
    return composeMessage(QCoreApplication::translate("PartImport", source), values);
}

std::string numberText(int number) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", number);
    return text;
}

PartImport failed(std::string message) {
    return {std::move(message), {}, {}};
}

// The folders of `element` below picture/, the primary one first.
std::vector<std::string_view> elementFolders(int element) {
    std::vector<std::string_view> folders;
    for (const int layer : loadGroup(element)) {
        if (layerInfo(layer).element == element)
            folders.push_back(layerInfo(layer).folder);
    }
    return folders;
}

// Writes the parts of one number into every folder of an element, remembering what it made.
struct NumberWriter {
    const std::filesystem::path& base;
    std::vector<std::string_view> folders;  // the primary one first
    std::string transparent;                // the bytes of a fully transparent part
    NewFiles made;
    std::filesystem::path failedAt;  // after a failure: the file or folder it was

    // `primary` into the primary folder, a transparent part into each other folder that has
    // nothing at `number`.
    FileResult write(int number, const std::string& primary) {
        for (std::size_t i = 0; i < folders.size(); ++i) {
            const std::filesystem::path file = partPath(base, folders[i], number);
            if (i > 0 && entryExists(file))
                continue;  // an author's drawing waiting for its primary part
            failedAt = file.parent_path();
            if (FileResult folder = made.makeFolder(failedAt); !folder)
                return folder;
            failedAt = file;
            if (FileResult written = made.write(file, i == 0 ? primary : transparent); !written)
                return written;
        }
        return {};
    }
};

}  // namespace

PartNumbers freePartNumbers(const std::filesystem::path& base, std::string_view folder, int first,
                            std::size_t count) {
    PartNumbers numbers;
    for (int number = first; number < kMaxPartCount && numbers.given.size() < count; ++number) {
        if (entryExists(partPath(base, folder, number)))
            numbers.skipped.push_back(number);
        else
            numbers.given.push_back(number);
    }
    return numbers;
}

PartImport importParts(const std::filesystem::path& base, int element,
                       std::span<const std::filesystem::path> pictures) {
    const std::filesystem::path library = dummyPath(base).parent_path();
    if (std::error_code error; !std::filesystem::is_directory(library, error))
        return failed(
            importText(QT_TRANSLATE_NOOP("PartImport", "部品ライブラリが見つかりません: %1"),
                       {library.string()}));
    auto files = partFilesFrom(pictures);
    if (auto* failure = std::get_if<PictureFailure>(&files))
        return failed(std::move(failure->message));
    const auto& primaries = std::get<std::vector<std::string>>(files);
    NumberWriter writer{base,
                        elementFolders(element),
                        partFileBytes(transparentPart()).value_or(std::string()),
                        {},
                        {}};
    PartNumbers numbers = freePartNumbers(base, writer.folders.front(),
                                          countParts(base, element) + 1, primaries.size());
    if (numbers.given.size() < primaries.size())
        return failed(importText(QT_TRANSLATE_NOOP(
            "PartImport", "部品番号は 999 までです。これ以上部品を追加できません")));
    for (std::size_t i = 0; i < primaries.size(); ++i) {
        if (const FileResult written = writer.write(numbers.given[i], primaries[i]); !written) {
            writer.made.removeAll();
            return failed(fileFailureMessage(
                importText(QT_TRANSLATE_NOOP("PartImport", "部品ファイルの書き込みに失敗しました")),
                writer.failedAt, written));
        }
    }
    return {{}, std::move(numbers.given), std::move(numbers.skipped)};
}

std::string skippedNumbersNote(std::span<const int> skipped) {
    std::string numbers;
    for (const int number : skipped)
        numbers += (numbers.empty() ? "" : ", ") + numberText(number);
    return importText(
        QT_TRANSLATE_NOOP("PartImport", "次の番号には既にファイルがあるため使いませんでした: %1"),
        {numbers});
}

std::string partFileName(int element, int number) {
    return std::string(countedFolder(element)) + "/" + numberText(number) + ".png";
}

}  // namespace kelvaro
