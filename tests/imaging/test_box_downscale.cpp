// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The area-averaging shrink against Qt's smooth scaling, byte for byte, on seeded random
// premultiplied images with transparent, opaque and translucent regions. Run again with the fast
// paths off (general:...), the halving sizes prove the general path as well.
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <random>
#include <vector>

#include "imaging/box_downscale.h"
#include "imaging/export_image.h"

namespace kelvaro {
namespace {

// A premultiplied image: a transparent band, an opaque band and translucent noise below them.
std::vector<Argb> drawnImage(int edge, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<Argb> pixels(static_cast<std::size_t>(edge) * edge);
    for (int y = 0; y < edge; ++y) {
        for (int x = 0; x < edge; ++x) {
            std::uint32_t alpha = random() % 256;
            if (y < edge / 4)
                alpha = 0;
            else if (y < edge / 2)
                alpha = 255;
            const auto below = [&] { return static_cast<std::uint32_t>(random() % (alpha + 1)); };
            pixels[static_cast<std::size_t>(y) * edge + x] =
                makeArgb(alpha, below(), below(), below());
        }
    }
    return pixels;
}

QImage qtImageOf(const std::vector<Argb>& pixels, int edge, bool opaque) {
    QImage image(edge, edge, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < edge; ++y) {
        auto* row = reinterpret_cast<Argb*>(image.scanLine(y));
        for (int x = 0; x < edge; ++x) {
            const Argb pixel = pixels[static_cast<std::size_t>(y) * edge + x];
            row[x] = opaque ? pixel | 0xff000000u : pixel;
        }
    }
    return image;
}

std::vector<Argb> pixelsOf(const QImage& image) {
    std::vector<Argb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const Argb*>(image.constScanLine(y));
        pixels.insert(pixels.end(), row, row + image.width());
    }
    return pixels;
}

TEST(BoxDownscale, GivesQtsSmoothScalingByteForByte) {
    const std::vector<std::pair<int, int>> sizes = {
        {192, 96},  {192, 48}, {192, 128}, {192, 64}, {192, 95}, {192, 97},
        {192, 191}, {192, 17}, {192, 1},   {230, 96}, {230, 48}, {230, 115},
        {230, 229}, {7, 3},    {100, 33},  {101, 50}, {2, 1}};
    int compared = 0;
    for (const auto& [from, to] : sizes) {
        if (!boxDownscaleFits(from, to))
            continue;
        ++compared;
        for (const bool opaque : {true, false}) {
            const std::vector<Argb> source = drawnImage(from, static_cast<unsigned>(from * to));
            const QImage expected =
                qtImageOf(source, from, opaque)
                    .scaled(to, to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            std::vector<Argb> shrunk(static_cast<std::size_t>(to) * to);
            boxDownscale(source.data(), from, shrunk.data(), to, opaque);
            EXPECT_EQ(shrunk, pixelsOf(expected)) << from << " -> " << to << " opaque " << opaque;
        }
    }
    EXPECT_GE(compared, 14);
}

TEST(BoxDownscale, TakesOnlyShrinkingWithinTheImage) {
    const std::vector<std::tuple<int, int, bool>> rows = {
        {192, 96, true}, {192, 48, true},   {192, 191, true},
        {192, 1, true},  {192, 192, false}, {192, 384, false},
        {192, 0, false}, {192, -96, false}, {8192, 4096, false}};
    for (const auto& [from, to, fits] : rows)
        EXPECT_EQ(boxDownscaleFits(from, to), fits) << from << " -> " << to;
}

TEST(BoxDownscale, ExportedCellsAreQtsScalingOfTheCapture) {
    const std::vector<Argb> drawn = drawnImage(kCanvasSize, 3);
    auto canvas = makeCanvasPixels();
    std::memcpy(canvas->data(), drawn.data(), sizeof(CanvasPixels));
    for (const int edge : {96, 48}) {
        for (const Backdrop backdrop : {Backdrop::Opaque, Backdrop::Transparent}) {
            const bool opaque = backdrop == Backdrop::Opaque;
            const QImage expected =
                qtImageOf(drawn, kCanvasSize, opaque)
                    .scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage image = exportedImage(*canvas, edge, backdrop);
            EXPECT_EQ(image.format(), expected.format()) << edge;
            EXPECT_EQ(pixelsOf(image), pixelsOf(expected)) << edge << " opaque " << opaque;
        }
    }
}

}  // namespace
}  // namespace kelvaro
