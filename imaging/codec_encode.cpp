// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Encoding of exported portraits: scaling and writing through Qt's image writers.
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cstring>

#include "imaging/export.h"
#include "imaging/export_image.h"
#include "imaging/file_boundary.h"
#include "imaging/png_recipe.h"

namespace kelvaro {
namespace {

// Encodes the whole image in memory; nothing when the encoder fails.
std::optional<QByteArray> encode(const QImage& image, const std::string& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArray::fromStdString(format));
    if (!writer.write(image))
        return std::nullopt;
    return bytes;
}

}  // namespace

QImage exportedImage(const CanvasPixels& canvas, int edge) {
    auto capture = makeCanvasPixels();
    captureOpaque(canvas, *capture);
    QImage image(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    for (int y = 0; y < kCanvasSize; ++y) {
        std::memcpy(image.scanLine(y), capture->data() + y * kCanvasSize,
                    kCanvasSize * sizeof(Argb));
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

std::optional<std::string> encodePortrait(const CanvasPixels& canvas, int sizeChoice,
                                          ExportFormat format, std::string_view recipe) {
    const auto encoder = findEncoderFormat(mimeTypeOf(format));
    if (!encoder)
        return std::nullopt;
    const auto bytes = encode(exportedImage(canvas, exportEdgeLength(sizeChoice)), *encoder);
    if (!bytes)
        return std::nullopt;
    std::string encoded = bytes->toStdString();
    if (format != ExportFormat::Png || recipe.empty())
        return encoded;
    return withTextChunk(encoded, kRecipeKeyword, recipe);
}

bool exportPortrait(const CanvasPixels& canvas, int sizeChoice, const std::filesystem::path& file,
                    std::string_view recipe) {
    const auto bytes = encodePortrait(canvas, sizeChoice, exportFormatFor(file), recipe);
    return bytes && replaceFileAtomically(file, *bytes);
}

}  // namespace kelvaro
