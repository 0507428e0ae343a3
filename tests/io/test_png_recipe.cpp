// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recipe chunk: added before IEND with a correct CRC, read back, and refused when broken.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "io/png_recipe.h"

namespace kelvaro {
namespace {

std::string smallPng() {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(0x80112233u);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(PngRecipe, ChunkIsAddedBeforeTheEndAndReadBack) {
    const std::string png = smallPng();
    const std::string text = "{\"ż\": \"źrenice\"}";
    const auto with = withTextChunk(png, kRecipeKeyword, text);
    ASSERT_TRUE(with.has_value());
    // Everything before IEND is kept, the chunk follows, then IEND as it was.
    const std::size_t iend = png.size() - 12;
    EXPECT_EQ(with->substr(0, iend), png.substr(0, iend));
    EXPECT_EQ(with->substr(with->size() - 12), png.substr(iend));
    const std::string chunk = with->substr(iend, with->size() - 12 - iend);
    const std::string body = std::string("iTXtKelvaro") + std::string(5, '\0') + text;
    EXPECT_EQ(chunk.substr(4, body.size()), body);
    EXPECT_EQ(static_cast<unsigned char>(chunk[3]), body.size() - 4);
    EXPECT_EQ(readTextChunk(*with, kRecipeKeyword), text);
    EXPECT_EQ(readTextChunk(*with, "Other"), std::nullopt);
    EXPECT_EQ(readTextChunk(png, kRecipeKeyword), std::nullopt);
    // Any reader still decodes the same picture.
    const QImage before = QImage::fromData(QByteArray::fromStdString(png));
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(*with)), before);
}

TEST(PngRecipe, CrcIsTheOneOfPngAndZlib) {
    EXPECT_EQ(pngCrc("IEND"), 0xae426082u);
    EXPECT_EQ(pngCrc("123456789"), 0xcbf43926u);
}

TEST(PngRecipe, BrokenFilesGiveNothing) {
    const std::string png = smallPng();
    const std::string with = *withTextChunk(png, kRecipeKeyword, "recipe");
    std::string badCrc = with;
    badCrc[badCrc.find("recipe")] = 'R';
    std::string hugeLength = with;
    hugeLength[png.size() - 12] = '\x7f';
    const std::string rows[] = {
        "", "not a png", png.substr(0, 8), with.substr(0, with.size() - 20), badCrc, hugeLength,
    };
    for (const std::string& bytes : rows)
        EXPECT_EQ(readTextChunk(bytes, kRecipeKeyword), std::nullopt) << bytes.size();
    EXPECT_EQ(withTextChunk("not a png", kRecipeKeyword, "x"), std::nullopt);
    EXPECT_EQ(withTextChunk(png.substr(0, png.size() - 12), kRecipeKeyword, "x"), std::nullopt);
}

}  // namespace
}  // namespace kelvaro
