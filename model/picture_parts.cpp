// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/picture_parts.h"

#include <QCoreApplication>
#include <cerrno>

#include "i18n/message_text.h"
#include "imaging/part_fit.h"
#include "imaging/picture_decode.h"
#include "imaging/pixels.h"
#include "io/file_boundary.h"
#include "io/file_result.h"

namespace kelvaro {
namespace {

PictureFailure unreadable(const std::filesystem::path& picture, const FileResult& why) {
    return {fileFailureMessage(composeMessage(QCoreApplication::translate(
                                   "PartImport", "画像ファイルを読み込めませんでした")),
                               picture, why)};
}

// Why a picture that was opened cannot be used, in the language installed now.
FileResult reasonOf(const DecodedPicture& decoded) {
    if (decoded.reading == PictureReading::TooLarge) {
        const QSize size = decoded.declaredSize;
        return failureBecause(composeMessage(
            QCoreApplication::translate("PartImport", "画像が大きすぎます: %1x%2 ピクセル"),
            {std::to_string(size.width()), std::to_string(size.height())}));
    }
    return failureBecause(composeMessage(QCoreApplication::translate(
        "PartImport", "画像の形式に対応していないか、ファイルが壊れています")));
}

bool isPartAsItIs(const DecodedPicture& decoded) {
    return decoded.storedPng && decoded.image.width() == kPartSize &&
           decoded.image.height() == kPartSize;
}

}  // namespace

std::variant<std::string, PictureFailure> partFileFrom(const std::filesystem::path& picture) {
    FileBytes read = readRegularFile(picture, kLargestPictureFile);
    if (!read.result)
        return unreadable(picture, read.result);
    const QByteArray bytes = QByteArray::fromStdString(read.bytes);
    const DecodedPicture decoded = decodePicture(bytes);
    if (decoded.reading != PictureReading::Read)
        return unreadable(picture, reasonOf(decoded));
    if (isPartAsItIs(decoded))
        return std::move(read.bytes);
    auto encoded = partFileBytes(fittedPart(decoded.image));
    if (!encoded)
        return unreadable(picture, systemFailure(ENOMEM));
    return std::move(*encoded);
}

std::variant<std::vector<std::string>, PictureFailure> partFilesFrom(
    std::span<const std::filesystem::path> pictures) {
    std::vector<std::string> files;
    files.reserve(pictures.size());
    for (const std::filesystem::path& picture : pictures) {
        auto file = partFileFrom(picture);
        if (auto* failure = std::get_if<PictureFailure>(&file))
            return std::move(*failure);
        files.push_back(std::get<std::string>(std::move(file)));
    }
    return files;
}

}  // namespace kelvaro
