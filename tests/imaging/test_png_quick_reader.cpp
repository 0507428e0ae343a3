// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The direct PNG decoder against Qt's reader: the files it takes give Qt's pixels exactly, and
// every file it declines leaves the output untouched for the general decoder.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "imaging/codec.h"
#include "imaging/png_quick_reader.h"

namespace kelvaro {
namespace {

// Smooth gradients beside noise, so that the writer picks every kind of row filter.
QImage drawnImage(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned noise = (unsigned(x) * 2654435761u) ^ (unsigned(y) * 40503u);
            const bool smooth = (x / 16 + y / 16) % 2 == 0;
            const int alpha = smooth ? (x * 255) / std::max(1, width - 1) : int(noise >> 24);
            image.setPixel(x, y,
                           qRgba(smooth ? y % 256 : int(noise & 0xff), (x + y) % 256,
                                 smooth ? 200 : int((noise >> 8) & 0xff),
                                 format == QImage::Format_RGB32 ? 255 : alpha));
        }
    }
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "PNG"));
    return bytes;
}

// What the part decoder must give for `bytes`: Qt's pixels, cropped or padded to 230x230.
PartPixels qtPixels(const QByteArray& bytes) {
    const QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    PartPixels pixels{};
    for (int y = 0; y < std::min(image.height(), kPartSize); ++y)
        std::memcpy(pixels.data() + y * kPartSize, image.constScanLine(y),
                    sizeof(Argb) * std::size_t(std::min(image.width(), kPartSize)));
    return pixels;
}

bool decodes(const QByteArray& bytes, PartPixels& out) {
    return decodeSimplePng(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()), out);
}

TEST(PngQuickReader, TakenFilesGiveQtsPixels) {
    const struct {
        int width, height;
        QImage::Format format;
    } rows[] = {
        {230, 230, QImage::Format_ARGB32}, {230, 230, QImage::Format_RGB32},
        {300, 260, QImage::Format_ARGB32}, {17, 9, QImage::Format_ARGB32},
        {1, 1, QImage::Format_ARGB32},     {240, 3, QImage::Format_RGB32},
        {33, 21, QImage::Format_ARGB32},   {33, 21, QImage::Format_RGB32},
        {7, 40, QImage::Format_RGB32},     {9, 40, QImage::Format_ARGB32},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
        const QByteArray bytes = pngBytes(drawnImage(row.width, row.height, row.format));
        auto out = std::make_unique<PartPixels>();
        out->fill(0x5a5a5a5au);
        ASSERT_TRUE(decodes(bytes, *out));
        EXPECT_TRUE(*out == qtPixels(bytes));
    }
}

// A transparent image of `size` with the pixels at `points` set to `pixel`.
QImage pointsImage(QSize size, std::initializer_list<QPoint> points, QRgb pixel) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(0);
    for (const QPoint& point : points)
        image.setPixel(point, pixel);
    return image;
}

TEST(PngQuickReader, GivesTheBoxOfThePixelsThatAreNotZero) {
    const QRgb opaque = 0xff102030u;
    const QRgb colourOnly = 0x00000001u;  // transparent with a colour byte: it counts
    const struct {
        const char* name;
        QImage image;
        PixelBox box;
    } rows[] = {
        {"empty", pointsImage({230, 230}, {}, opaque), {}},
        {"top left", pointsImage({230, 230}, {{0, 0}}, opaque), {0, 0, 1, 1}},
        {"bottom right", pointsImage({230, 230}, {{229, 229}}, opaque), {229, 229, 230, 230}},
        {"left and right edges",
         pointsImage({230, 230}, {{0, 100}, {229, 50}}, opaque),
         {0, 50, 230, 101}},
        {"top and bottom edges",
         pointsImage({230, 230}, {{7, 0}, {9, 229}}, opaque),
         {7, 0, 10, 230}},
        {"colour bytes only",
         pointsImage({230, 230}, {{30, 40}, {31, 41}}, colourOnly),
         {30, 40, 32, 42}},
        {"rows apart", pointsImage({230, 230}, {{60, 10}, {5, 200}}, opaque), {5, 10, 61, 201}},
        {"narrow, padded", pointsImage({9, 40}, {{8, 39}, {3, 2}}, opaque), {3, 2, 9, 40}},
        {"wide, only beyond the crop", pointsImage({260, 240}, {{235, 10}, {10, 235}}, opaque), {}},
        {"wide, at the crop",
         pointsImage({260, 240}, {{229, 3}, {250, 1}}, opaque),
         {229, 3, 230, 4}},
        {"full", drawnImage(230, 230, QImage::Format_RGB32), kWholePart},
        {"opaque, narrow", drawnImage(17, 9, QImage::Format_RGB32), {0, 0, 17, 9}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto out = std::make_unique<PartPixels>();
        const QByteArray bytes = pngBytes(row.image);
        PixelBox box{-1, -1, -1, -1};
        ASSERT_TRUE(decodeSimplePng(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    std::size_t(bytes.size()), *out, &box));
        EXPECT_EQ(box, row.box);
        EXPECT_EQ(box, nonZeroBounds(*out));
    }
}

// Flips one byte at `offset` from the end and, for the data, writes the chunk's checksum again
// so that only the inflater can notice.
QByteArray withByteChanged(QByteArray bytes, int fromEnd) {
    bytes[bytes.size() - fromEnd] = char(bytes[bytes.size() - fromEnd] ^ 0x40);
    return bytes;
}

TEST(PngQuickReader, DeclinesOtherKindsAndIrregularFiles) {
    const QByteArray plain = pngBytes(drawnImage(40, 30, QImage::Format_ARGB32));
    QImage withSpace = drawnImage(40, 30, QImage::Format_ARGB32);
    withSpace.setColorSpace(QColorSpace::SRgbLinear);
    const struct {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"palette",
         pngBytes(
             drawnImage(40, 30, QImage::Format_ARGB32).convertToFormat(QImage::Format_Indexed8))},
        {"grey",
         pngBytes(
             drawnImage(40, 30, QImage::Format_RGB32).convertToFormat(QImage::Format_Grayscale8))},
        {"16 bits", pngBytes(drawnImage(40, 30, QImage::Format_RGBA64))},
        {"colour space chunk", pngBytes(withSpace)},
        {"cut short", plain.left(plain.size() - 20)},
        {"checksum of IEND broken", withByteChanged(plain, 1)},
        {"not a PNG", QByteArray("GIF89a and more bytes than a header")},
        {"empty", QByteArray()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto out = std::make_unique<PartPixels>();
        out->fill(0x5a5a5a5au);
        EXPECT_FALSE(decodes(row.bytes, *out));
        EXPECT_TRUE(std::all_of(out->begin(), out->end(), [](Argb p) { return p == 0x5a5a5a5au; }));
    }
}

// What the wall decoder must give for `bytes`: Qt's image premultiplied and stretched smoothly
// over the canvas.
CanvasPixels qtWall(const QByteArray& bytes) {
    QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != QSize(kCanvasSize, kCanvasSize))
        image =
            image.scaled(kCanvasSize, kCanvasSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    CanvasPixels pixels{};
    for (int y = 0; y < kCanvasSize; ++y)
        std::memcpy(pixels.data() + y * kCanvasSize, image.constScanLine(y),
                    sizeof(Argb) * kCanvasSize);
    return pixels;
}

// Walls of the direct decoder's kind and of another (the palette one goes to Qt's reader), at the
// canvas's size and stretched to it.
TEST(PngQuickReader, WallsGiveQtsStretchedPixels) {
    const struct {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        {"192x192 RGBA", pngBytes(drawnImage(192, 192, QImage::Format_ARGB32))},
        {"192x192 RGB", pngBytes(drawnImage(192, 192, QImage::Format_RGB32))},
        {"97x50 RGBA", pngBytes(drawnImage(97, 50, QImage::Format_ARGB32))},
        {"301x203 RGB", pngBytes(drawnImage(301, 203, QImage::Format_RGB32))},
        {"palette",
         pngBytes(
             drawnImage(60, 70, QImage::Format_ARGB32).convertToFormat(QImage::Format_Indexed8))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray bytes = row.bytes;
        QBuffer device(&bytes);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        auto out = std::make_unique<CanvasPixels>();
        ASSERT_TRUE(decodeWall(device, *out));
        EXPECT_TRUE(*out == qtWall(row.bytes));
    }
}

}  // namespace
}  // namespace kelvaro
