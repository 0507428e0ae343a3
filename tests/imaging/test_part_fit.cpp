// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures made into part images: the size they are scaled to, where they land in the part
// square and what their pixels become; and which pictures are read at all.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <functional>

#include "imaging/part_fit.h"
#include "imaging/picture_decode.h"
#include "io/png_recipe.h"

namespace kelvaro {
namespace {

constexpr Argb kRed = 0xffff0000;
constexpr Argb kGreen = 0xff00ff00;
constexpr Argb kBlue = 0xff0000ff;
constexpr Argb kYellow = 0xffffff00;

QImage drawn(int width, int height, const std::function<Argb(int x, int y)>& pixelAt) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pixelAt(x, y));
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

Argb at(const PortraitImage& part, int x, int y) {
    return part.pixels[static_cast<std::size_t>(y * part.width + x)];
}

TEST(PartFit, TheLongerSideBecomesThePartSize) {
    const struct {
        QSize picture, fitted;
    } rows[] = {
        {{230, 230}, {230, 230}}, {{1, 1}, {230, 230}},       {{460, 230}, {230, 115}},
        {{23, 46}, {115, 230}},   {{3, 2}, {230, 153}},       {{2, 3}, {153, 230}},
        {{1000, 1}, {230, 1}},    {{4000, 3000}, {230, 173}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fittedSize(row.picture), row.fitted)
            << row.picture.width() << "x" << row.picture.height();
}

TEST(PartFit, ThePictureIsCentredOnTransparency) {
    const auto halves = [](int x, int) { return x < 50 ? kBlue : kYellow; };
    const struct {
        const char* name;
        QImage picture;
        std::vector<std::tuple<int, int, Argb>> pixels;  // x, y, expected
    } rows[] = {
        {"wide, larger",
         drawn(460, 230, [](int, int) { return kRed; }),
         {{0, 57, kRed}, {229, 171, kRed}, {115, 56, 0}, {115, 172, 0}, {0, 0, 0}, {229, 229, 0}}},
        {"tall, smaller",
         drawn(23, 46, [](int, int) { return kGreen; }),
         {{57, 0, kGreen}, {171, 229, kGreen}, {56, 115, 0}, {172, 115, 0}, {229, 0, 0}}},
        {"square halves", drawn(100, 100, halves), {{10, 115, kBlue}, {220, 115, kYellow}}},
    };
    for (const auto& row : rows) {
        const PortraitImage part = fittedPart(row.picture);
        ASSERT_EQ(part.width, kPartSize) << row.name;
        ASSERT_EQ(part.height, kPartSize) << row.name;
        for (const auto& [x, y, expected] : row.pixels)
            EXPECT_EQ(at(part, x, y), expected) << row.name << " at " << x << "," << y;
    }
}

// A transparent edge stays transparent, with no colour left in it, and the edge of the picture
// inside it gets no dark fringe, even when the transparent pixels carry a colour of their own.
TEST(PartFit, ATransparentEdgeIsKeptWithoutFringes) {
    const QImage framed = drawn(100, 100, [](int x, int y) {
        const bool inside = x >= 10 && x < 90 && y >= 10 && y < 90;
        return inside ? kBlue : Argb{0x00ff0000};
    });
    const PortraitImage part = fittedPart(framed);
    EXPECT_EQ(at(part, 0, 0), 0u);
    EXPECT_EQ(at(part, 10, 115), 0u);
    EXPECT_EQ(at(part, 115, 115), kBlue);
    int partial = 0;
    for (const Argb pixel : part.pixels) {
        if (alphaOf(pixel) == 0) {
            ASSERT_EQ(pixel, 0u);
        } else if (alphaOf(pixel) < 255) {
            ++partial;
            ASSERT_EQ(pixel & 0x00ffff00u, 0u) << std::hex << pixel;
            ASSERT_GE(blueOf(pixel), 250u) << std::hex << pixel;
        }
    }
    EXPECT_GT(partial, 0) << "the scaled edge is soft";
}

// A PNG declaring `width` x `height` pixels, its chunks intact, its pixel data for 1x1.
QByteArray declaringPng(quint32 width, quint32 height) {
    QByteArray png = encoded(drawn(1, 1, [](int, int) { return kRed; }), "PNG");
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    const unsigned crc = pngCrc(std::string_view(png.constData() + 12, 17));
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char(crc >> (24 - 8 * i));
    return png;
}

TEST(PictureDecode, PicturesAreReadByContentWithinLimits) {
    const QImage square = drawn(230, 230, [](int, int) { return kRed; });
    const QByteArray png = encoded(square, "PNG");
    const struct {
        const char* name;
        QByteArray bytes;
        PictureReading reading;
        bool storedPng;
    } rows[] = {
        {"PNG", png, PictureReading::Read, true},
        {"BMP", encoded(square, "BMP"), PictureReading::Read, false},
        {"PNG cut short", png.left(png.size() - 20), PictureReading::Undecodable, false},
        {"text", "not a picture at all", PictureReading::Undecodable, false},
        {"empty", {}, PictureReading::Undecodable, false},
        {"side too long", declaringPng(20000, 10), PictureReading::TooLarge, false},
        {"too many pixels", declaringPng(16000, 16000), PictureReading::TooLarge, false},
    };
    for (const auto& row : rows) {
        const DecodedPicture picture = decodePicture(row.bytes);
        EXPECT_EQ(picture.reading, row.reading) << row.name;
        EXPECT_EQ(picture.storedPng, row.storedPng) << row.name;
        EXPECT_EQ(picture.image.isNull(), row.reading != PictureReading::Read) << row.name;
    }
    EXPECT_EQ(decodePicture(declaringPng(20000, 10)).declaredSize, QSize(20000, 10));
}

}  // namespace
}  // namespace kelvaro
