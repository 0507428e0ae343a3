// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Export: edge lengths, format choice by extension, the encoder lookup and the capture. The
// encoded files, as written, are tested with model/portrait_export.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <vector>

#include "imaging/export.h"

namespace kelvaro {
namespace {

TEST(Export, EdgeLengthBySizeChoice) {
    const std::vector<std::pair<int, int>> rows = {
        {0, 48}, {1, 96}, {2, 192}, {3, 192}, {-1, 192}, {INT_MAX, 192}, {INT_MIN, 192}};
    for (const auto& [choice, edge] : rows)
        EXPECT_EQ(exportEdgeLength(choice), edge) << choice;
}

TEST(Export, FormatFollowsTheExactExtensionOfTheName) {
    struct Row {
        const char* path;
        const char* extension;
        ExportFormat format;
    };
    const std::vector<Row> rows = {
        {"/tmp/face.png", "png", ExportFormat::Png},
        {"face.PNG", "PNG", ExportFormat::Bmp},
        {"face.Png", "Png", ExportFormat::Bmp},
        {"face.jpg", "jpg", ExportFormat::Bmp},
        {"face.bmp", "bmp", ExportFormat::Bmp},
        {"face", "", ExportFormat::Bmp},
        {"face.", "", ExportFormat::Bmp},
        {"face.png.bmp", "bmp", ExportFormat::Bmp},
        {"old.bmp.png", "png", ExportFormat::Png},
        {".png", "png", ExportFormat::Png},
        {"dir.png/face", "", ExportFormat::Bmp},
        {"dir.png/", "", ExportFormat::Bmp},
        {"face.png ", "png ", ExportFormat::Bmp},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(extensionOf(row.path), row.extension) << row.path;
        EXPECT_EQ(exportFormatFor(row.path), row.format) << row.path;
    }
    EXPECT_STREQ(mimeTypeOf(ExportFormat::Png), "image/png");
    EXPECT_STREQ(mimeTypeOf(ExportFormat::Bmp), "image/bmp");
}

TEST(Export, EncoderLookupNeedsTheExactMimeType) {
    EXPECT_EQ(findEncoderFormat("image/png"), std::optional<std::string>("png"));
    EXPECT_EQ(findEncoderFormat("image/bmp"), std::optional<std::string>("bmp"));
    for (const char* mime : {"IMAGE/PNG", "image/pn", "image/png ", "png", "", "image/x-none"})
        EXPECT_EQ(findEncoderFormat(mime), std::nullopt) << mime;
}

TEST(Export, CaptureMakesEveryPixelOpaqueAndKeepsColourBytes) {
    auto canvas = makeCanvasPixels();
    for (std::uint32_t i = 0; i < canvas->size(); ++i)
        (*canvas)[i] = i * 2654435761u;
    auto capture = makeCanvasPixels();
    captureOpaque(*canvas, *capture);
    for (std::size_t i = 0; i < canvas->size(); ++i)
        ASSERT_EQ((*capture)[i], 0xff000000u | ((*canvas)[i] & 0x00ffffffu)) << i;
}

}  // namespace
}  // namespace kelvaro
