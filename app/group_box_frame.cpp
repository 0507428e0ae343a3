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

#include "imaging/png_quick_reader.h"

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

// The image Qt's PNG reader gives for a file of the simple kind: straight alpha.
std::optional<QImage> decodeSimpleFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    const auto rows = decodeSimplePngRows(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size()));
    if (!rows)
        return std::nullopt;
    QImage image(rows->width, rows->height, QImage::Format_ARGB32);
    for (int y = 0; y < rows->height; ++y)
        rows->convertRow(y, rows->width, reinterpret_cast<Argb*>(image.scanLine(y)));
    return image;
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
    const std::optional<QImage> image = decodeSimpleFile(fileName);
    if (!image)
        return false;
    return QPixmapCache::insert(pixmapCacheKey(fileName), QPixmap::fromImage(*image));
}

}  // namespace kelvaro
