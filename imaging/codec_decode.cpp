// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <libdeflate.h>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstring>
#include <optional>

#include "imaging/codec.h"
#include "imaging/png_quick_reader.h"

namespace kelvaro {
namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qint64 kPngSignatureSize = 8;
constexpr qint64 kChunkOverhead = 12;  // length, type and CRC

// True when the critical chunk (IHDR, PLTE, IDAT, IEND: a type beginning with a capital) that
// begins at `at` in `device`, of `length` bytes of data, has the checksum it records.
bool criticalChunkIntact(QIODevice& device, qint64 at, qint64 length) {
    const QByteArray type = device.peek(8).mid(4, 4);
    if (type.size() != 4 || (static_cast<uchar>(type[0]) & 0x20) != 0)
        return true;  // an ancillary chunk: the decoder skips a broken one
    if (!device.seek(at + 4))
        return false;
    const QByteArray chunk = device.read(4 + length + 4);  // type, data, checksum
    if (chunk.size() != 4 + length + 4)
        return false;
    const auto byte = [&](qint64 i) { return static_cast<quint32>(static_cast<uchar>(chunk[i])); };
    const qint64 end = 4 + length;
    const quint32 recorded =
        (byte(end) << 24) | (byte(end + 1) << 16) | (byte(end + 2) << 8) | byte(end + 3);
    return libdeflate_crc32(0, chunk.constData(), static_cast<std::size_t>(end)) == recorded;
}

}  // namespace

bool pngChunksIntact(QIODevice& device) {
    const QByteArray signature = device.peek(kPngSignatureSize);
    if (signature != QByteArray(kPngSignature, kPngSignatureSize))
        return true;  // not a PNG file: the decoder judges it alone
    const qint64 size = device.size();
    qint64 at = kPngSignatureSize;
    bool complete = false;
    while (!complete && size - at >= kChunkOverhead && device.seek(at)) {
        const QByteArray header = device.peek(8);
        if (header.size() != 8)
            break;
        const auto byte = [&](int i) {
            return static_cast<quint32>(static_cast<uchar>(header[i]));
        };
        const qint64 length = (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
        if (length > size - at - kChunkOverhead || !criticalChunkIntact(device, at, length))
            break;
        complete = header.mid(4, 4) == "IEND";
        at += kChunkOverhead + length;
    }
    return device.seek(0) && complete;
}

namespace {

// Files up to this size are read whole and tried with the direct decoder first.
constexpr qint64 kQuickReadLimit = qint64{16} << 20;

// The whole file in `device` when it is small enough to try the direct decoder on; the device
// stays at its start.
std::optional<QByteArray> smallFileBytes(QIODevice& device) {
    const qint64 size = device.size();
    if (size <= 0 || size > kQuickReadLimit)
        return std::nullopt;
    return device.peek(size);
}

const std::uint8_t* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const std::uint8_t*>(bytes.constData());
}

// Decodes `device` with the direct decoder when the file is of its kind; the device stays at its
// start either way.
bool decodeSimplePart(QIODevice& device, PartPixels& out, PixelBox* nonZero) {
    const auto bytes = smallFileBytes(device);
    return bytes && decodeSimplePng(bytesOf(*bytes), std::size_t(bytes->size()), out, nonZero);
}

}  // namespace

std::optional<QImage> readSimpleImage(QIODevice& device, QImage::Format format) {
    const auto bytes = smallFileBytes(device);
    const auto rows =
        bytes ? decodeSimplePngRows(bytesOf(*bytes), std::size_t(bytes->size())) : std::nullopt;
    if (!rows)
        return std::nullopt;
    QImage image(rows->width, rows->height, QImage::Format_ARGB32);
    if (image.isNull())
        return std::nullopt;
    for (int y = 0; y < rows->height; ++y)
        rows->convertRow(y, rows->width, reinterpret_cast<Argb*>(image.scanLine(y)));
    image.convertTo(format);
    return image;
}

namespace {

bool withinSideLimit(QSize size) {
    return size.width() <= kDecodeSideLimit && size.height() <= kDecodeSideLimit;
}

// Reads the image with the decoder's limits in force; nothing for a failed decode.
std::optional<QImage> readImage(QIODevice& device, QImage::Format format) {
    if (!pngChunksIntact(device))
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

bool decodePart(QIODevice& device, PartPixels& out, PixelBox* nonZero) {
    if (decodeSimplePart(device, out, nonZero))
        return true;
    const auto image = readImage(device, QImage::Format_ARGB32);
    if (!image)
        return false;
    const int width = std::min(image->width(), kPartSize);
    const int height = std::min(image->height(), kPartSize);
    out.fill(0);
    for (int y = 0; y < height; ++y) {
        std::memcpy(out.data() + y * kPartSize, image->constScanLine(y),
                    static_cast<std::size_t>(width) * sizeof(Argb));
    }
    if (nonZero)
        *nonZero = nonZeroBounds(out);
    return true;
}

bool decodeWall(QIODevice& device, CanvasPixels& out) {
    auto image = readSimpleImage(device, QImage::Format_ARGB32_Premultiplied);
    if (!image)
        image = readImage(device, QImage::Format_ARGB32_Premultiplied);
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
