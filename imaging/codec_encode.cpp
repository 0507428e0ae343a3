// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Encoding of exported portraits: scaling and encoding in memory through Qt's image writers.
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstring>

#include "imaging/box_downscale.h"
#include "imaging/export.h"
#include "imaging/export_image.h"
#include "imaging/png_quick_writer.h"

namespace kelvaro {
namespace {

// The image's pixels as QImage holds them: 32-bit RGB when opaque, straight ARGB otherwise.
QImage qtImageOf(const PortraitImage& image) {
    QImage qt(image.width, image.height,
              image.backdrop == Backdrop::Opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (qt.isNull())
        return qt;  // not allocated: the encoder then fails
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(qt.scanLine(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * sizeof(Argb));
    }
    return qt;
}

// Encodes the whole image in memory; nothing when the image is null or the encoder fails.
std::optional<std::string> encode(const QImage& image, const std::string& format) {
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArray::fromStdString(format));
    if (!writer.write(image))
        return std::nullopt;
    return bytes.toStdString();
}

// The canvas shrunk to `edge` straight into an image of `format` by the filter of Qt's smooth
// scaling (box_downscale.h), without an image of the whole canvas first; the same pixels as
// scaling that image with QImage::scaled.
QImage shrunkImage(const CanvasPixels& canvas, int edge, QImage::Format format) {
    QImage image(edge, edge, format);
    if (image.isNull())
        return image;
    // 32-bit rows are never padded, so the image's rows follow each other without gaps.
    boxDownscale(canvas.data(), kCanvasSize, reinterpret_cast<Argb*>(image.bits()), edge,
                 format == QImage::Format_RGB32);
    return image;
}

}  // namespace

QImage exportedImage(const CanvasPixels& canvas, int edge, Backdrop backdrop) {
    const bool opaque = backdrop == Backdrop::Opaque;
    const QImage::Format format =
        opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    // Halving (the cells, the middle preview) goes through the own filter's fast paths; other
    // sizes through Qt, whose general filter is the faster there.
    if (2 * edge == kCanvasSize)
        return shrunkImage(canvas, edge, format);
    QImage image(kCanvasSize, kCanvasSize, format);
    if (image.isNull())
        return image;
    for (int y = 0; y < kCanvasSize; ++y) {
        const Argb* row = canvas.data() + y * kCanvasSize;
        auto* out = reinterpret_cast<Argb*>(image.scanLine(y));
        if (opaque)
            std::transform(row, row + kCanvasSize, out, exportedPixel);
        else
            std::copy(row, row + kCanvasSize, out);
    }
    if (edge == kCanvasSize)
        return image;
    return image.scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<std::string> findEncoderFormat(std::string_view mimeType) {
    const QByteArray wanted(mimeType.data(), static_cast<qsizetype>(mimeType.size()));
    for (const QByteArray& mime : QImageWriter::supportedMimeTypes()) {
        if (mime != wanted)
            continue;
        const QList<QByteArray> formats = QImageWriter::imageFormatsForMimeType(mime);
        if (!formats.isEmpty())
            return formats.front().toStdString();
    }
    return std::nullopt;
}

PortraitImage scaledPortrait(const CanvasPixels& canvas, int edge, Backdrop backdrop) {
    const QImage image = exportedImage(canvas, edge, backdrop)
                             .convertToFormat(backdrop == Backdrop::Opaque ? QImage::Format_RGB32
                                                                           : QImage::Format_ARGB32);
    if (image.isNull())
        return {0, 0, backdrop, {}};  // not allocated: an image no encoder takes
    PortraitImage scaled{image.width(), image.height(), backdrop, {}};
    scaled.pixels.resize(static_cast<std::size_t>(scaled.width) * scaled.height);
    for (int y = 0; y < scaled.height; ++y) {
        std::memcpy(scaled.pixels.data() + static_cast<std::size_t>(y) * scaled.width,
                    image.constScanLine(y), static_cast<std::size_t>(scaled.width) * sizeof(Argb));
    }
    return scaled;
}

PortraitImage emptySheet(int width, int height) {
    return {width, height, Backdrop::Transparent,
            std::vector<Argb>(static_cast<std::size_t>(width) * height, 0)};
}

void placeImage(const PortraitImage& cell, PortraitImage& sheet, int left, int top) {
    const int first = std::max(0, -left);
    const int last = std::min(cell.width, sheet.width - left);
    if (first >= last)
        return;
    for (int y = std::max(0, -top); y < cell.height && top + y < sheet.height; ++y) {
        const Argb* from = cell.pixels.data() + static_cast<std::size_t>(y) * cell.width;
        Argb* to = sheet.pixels.data() + static_cast<std::size_t>(top + y) * sheet.width + left;
        std::copy(from + first, from + last, to + first);
    }
}

std::optional<std::string> encodeImage(const PortraitImage& image, ExportFormat format,
                                       PngCompression compression) {
    if (format == ExportFormat::Png && compression == PngCompression::Fastest)
        return quickPngBytes(image);
    const auto encoder = findEncoderFormat(mimeTypeOf(format));
    if (!encoder)
        return std::nullopt;
    return encode(qtImageOf(image), *encoder);
}

std::optional<std::string> encodePortrait(const CanvasPixels& canvas, int sizeChoice,
                                          ExportFormat format) {
    const auto encoder = findEncoderFormat(mimeTypeOf(format));
    if (!encoder)
        return std::nullopt;
    return encode(exportedImage(canvas, exportEdgeLength(sizeChoice)), *encoder);
}

}  // namespace kelvaro
