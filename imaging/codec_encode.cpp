// Encoding of exported portraits: scaling and writing through Qt's image writers.
#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <cstring>

#include "imaging/export.h"
#include "imaging/file_boundary.h"

namespace kelvaro {
namespace {

// The opaque capture as a 32-bit RGB image, scaled smoothly to edge x edge pixels.
QImage scaledCapture(const CanvasPixels& canvas, int edge) {
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

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

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

bool exportPortrait(const CanvasPixels& canvas, int sizeChoice, const std::filesystem::path& file) {
    const auto format = findEncoderFormat(mimeTypeOf(exportFormatFor(file)));
    if (!format)
        return false;
    const auto bytes = encode(scaledCapture(canvas, exportEdgeLength(sizeChoice)), *format);
    return bytes && replaceFileAtomically(file, viewOf(*bytes));
}

}  // namespace kelvaro
