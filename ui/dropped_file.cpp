// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/dropped_file.h"

#include <QMimeData>
#include <QUrl>
#include <array>

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

}  // namespace kelvaro
