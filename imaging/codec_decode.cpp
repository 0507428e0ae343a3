// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <optional>

#include "imaging/codec.h"
#include "imaging/file_boundary.h"

namespace kelvaro {
namespace {

bool withinSideLimit(QSize size) {
    return size.width() <= kDecodeSideLimit && size.height() <= kDecodeSideLimit;
}

// Reads the file with the decoder's limits in force; nothing for a failed decode. The file is
// opened by its own bytes, so that any name the file system holds can be read.
std::optional<QImage> readImage(const std::filesystem::path& file, QImage::Format format) {
    QFile device;
    if (!openRegularFile(file, device))
        return std::nullopt;
    QImageReader reader(&device);
    reader.setAllocationLimit(kDecodeAllocationLimitMiB);
    if (!withinSideLimit(reader.size()))  // as the header declares it, before decoding
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull() || !withinSideLimit(image.size()))
        return std::nullopt;
    image.convertTo(format);
    if (image.isNull())
        return std::nullopt;
    return image;
}

}  // namespace

bool decodePart(const std::filesystem::path& file, PartPixels& out) {
    const auto image = readImage(file, QImage::Format_ARGB32);
    if (!image)
        return false;
    const int width = std::min(image->width(), kPartSize);
    const int height = std::min(image->height(), kPartSize);
    out.fill(0);
    for (int y = 0; y < height; ++y) {
        std::memcpy(out.data() + y * kPartSize, image->constScanLine(y),
                    static_cast<std::size_t>(width) * sizeof(Argb));
    }
    return true;
}

bool decodeWall(const std::filesystem::path& file, CanvasPixels& out) {
    auto image = readImage(file, QImage::Format_ARGB32_Premultiplied);
    if (!image)
        return false;
    if (image->width() != kCanvasSize || image->height() != kCanvasSize) {
        *image = image->scaled(kCanvasSize, kCanvasSize, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
        image->convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    for (int y = 0; y < kCanvasSize; ++y) {
        std::memcpy(out.data() + y * kCanvasSize, image->constScanLine(y),
                    kCanvasSize * sizeof(Argb));
    }
    return true;
}

}  // namespace kelvaro
