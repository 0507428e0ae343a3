// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/dropped_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <array>

#include "io/document_io.h"
#include "io/file_boundary.h"

namespace kelvaro {
namespace {

constexpr std::array<const char*, 2> kPortraitSuffixes = {".kelvaro", ".png"};

bool namedLikePortrait(const QString& file) {
    for (const char* suffix : kPortraitSuffixes) {
        if (file.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool namedLikePicture(const QString& file) {
    if (file.endsWith(QLatin1String(kPortraitSuffixes.front()), Qt::CaseInsensitive))
        return false;
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toUtf8();
    return !suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix);
}

}  // namespace

std::optional<std::filesystem::path> droppedPortraitFile(const QMimeData& data) {
    if (!data.hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QString file = urls.front().toLocalFile();
    if (file.isEmpty() || !namedLikePortrait(file))
        return std::nullopt;
    return toPath(file);
}

std::vector<std::filesystem::path> droppedPictureFiles(const QMimeData& data) {
    std::vector<std::filesystem::path> files;
    const QList<QUrl> urls = data.hasUrls() ? data.urls() : QList<QUrl>();
    for (const QUrl& url : urls) {
        const QString file = url.isLocalFile() ? url.toLocalFile() : QString();
        if (!namedLikePicture(file))
            return {};
        files.push_back(toPath(file));
    }
    return files;
}

bool opensAsPortrait(const std::filesystem::path& file) {
    if (!toQtPath(file).endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return true;
    const DocumentText read = readDocumentText(file);
    return read.file && !read.recipeMissing;
}

}  // namespace kelvaro
