// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/group_box_frame.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <cstdint>
#include <optional>

#include "imaging/codec.h"

namespace kelvaro {
namespace {

// The bytes of `value` in memory order, each as its low then its high hexadecimal digit.
template <typename T>
QString memoryHex(T value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    QString text;
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QLatin1Char(kDigits[bytes[i] & 0xf]);
        text += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return text;
}

}  // namespace

QString pixmapCacheKey(const QString& fileName) {
    const QFileInfo info(fileName);
    constexpr unsigned kPixmapType = 0;  // QPlatformPixmap::PixmapType, not a bitmap
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           memoryHex(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           memoryHex(static_cast<std::uint64_t>(info.size())) + memoryHex(kPixmapType);
}

bool preloadGroupBoxFrame() {
    const QString fileName = QString::fromLatin1(kGroupBoxFrameFile);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Straight alpha, as Qt's PNG reader gives it.
    const std::optional<QImage> image = readSimpleImage(file, QImage::Format_ARGB32);
    if (!image)
        return false;
    return QPixmapCache::insert(pixmapCacheKey(fileName), QPixmap::fromImage(*image));
}

}  // namespace kelvaro
