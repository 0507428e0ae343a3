// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Exported portrait files: the written files as ImageMagick (a decoder the program does not
// contain) reads them, the recipe chunk, and failed writes that leave nothing behind.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "io/png_recipe.h"
#include "model/portrait_export.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct ToolOutput {
    int status;
    std::string text;
};

ToolOutput runTool(const std::string& command) {
    ToolOutput out{-1, {}};
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.text.append(buffer, n);
    const int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

// Built by appending: GCC 12 in Release reports a false overlap for "'" + std::string.
std::string quoted(const fs::path& file) {
    std::string text = "'";
    text += file.string();
    text += '\'';
    return text;
}

// Width, height, format, bits per channel, channels and whether every pixel is opaque.
std::string describe(const fs::path& file) {
    const ToolOutput out =
        runTool("identify -format '%w %h %m %z %[channels] %[opaque]' " + quoted(file));
    EXPECT_EQ(out.status, 0) << "ImageMagick's identify must be installed and read " << file;
    return out.text;
}

// Every pixel as red, green, blue bytes, rows top to bottom.
std::string rgbBytes(const fs::path& file) {
    const ToolOutput out = runTool("convert " + quoted(file) + " -depth 8 rgb:-");
    EXPECT_EQ(out.status, 0) << "ImageMagick's convert must be installed and read " << file;
    return out.text;
}

std::string rgbOf(Argb p) {
    return {static_cast<char>(redOf(p)), static_cast<char>(greenOf(p)),
            static_cast<char>(blueOf(p))};
}

// Four premultiplied quadrants: opaque, half transparent, three-quarters and fully transparent.
constexpr std::array<Argb, 4> kQuadrants = {0xff204060u, 0x80402010u, 0xc0a0b0c0u, 0x00000000u};

std::unique_ptr<CanvasPixels> quadrantCanvas() {
    auto canvas = makeCanvasPixels();
    for (int y = 0; y < kCanvasSize; ++y) {
        for (int x = 0; x < kCanvasSize; ++x) {
            const int q = (x < kCanvasSize / 2 ? 0 : 1) + (y < kCanvasSize / 2 ? 0 : 2);
            (*canvas)[static_cast<std::size_t>(y * kCanvasSize + x)] = kQuadrants[q];
        }
    }
    return canvas;
}

// Each pixel a step away from the quadrant borders has its quadrant's colour.
void expectQuadrants(const std::string& rgb, int edge) {
    ASSERT_EQ(rgb.size(), static_cast<std::size_t>(edge * edge * 3));
    const int half = edge / 2;
    for (int y = 0; y < edge; ++y) {
        for (int x = 0; x < edge; ++x) {
            if (x == half - 1 || x == half || y == half - 1 || y == half)
                continue;
            const int q = (x < half ? 0 : 1) + (y < half ? 0 : 2);
            const auto offset = static_cast<std::size_t>((y * edge + x) * 3);
            ASSERT_EQ(rgb.substr(offset, 3), rgbOf(kQuadrants[q])) << x << "," << y;
        }
    }
}

TEST(Export, WritesOpaqueSquarePngOrBmpOfTheChosenSize) {
    test::TempFolder folder;
    const auto canvas = quadrantCanvas();
    const std::vector<std::pair<const char*, const char*>> names = {
        {"face.png", "PNG"}, {"face.PNG", "BMP3"}, {"face.jpg", "BMP3"}, {"face", "BMP3"}};
    for (int choice : {0, 1, 2}) {
        for (const auto& [name, format] : names) {
            const fs::path file = folder.path() / (std::to_string(choice) + name);
            SCOPED_TRACE(file.string());
            ASSERT_TRUE(exportPortrait(*canvas, choice, file));
            const int edge = exportEdgeLength(choice);
            EXPECT_EQ(describe(file), std::to_string(edge) + " " + std::to_string(edge) + " " +
                                          format + " 8 srgb true");
            const std::string bytes = test::readBytes(file);
            if (std::string(format) == "BMP3") {
                ASSERT_GT(bytes.size(), 30u);
                EXPECT_EQ(bytes.substr(0, 2), "BM");
                EXPECT_EQ(bytes[28], 24) << "bits per pixel";
            } else {
                EXPECT_EQ(bytes.substr(1, 3), "PNG");
            }
            expectQuadrants(rgbBytes(file), edge);
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 12);
}

TEST(Export, FullSizeIsTheCanvasPixelForPixel) {
    auto canvas = makeCanvasPixels();
    for (std::uint32_t i = 0; i < canvas->size(); ++i) {
        const std::uint32_t alpha = (i * 7) & 0xff;
        (*canvas)[i] = makeArgb(alpha, (i * 3) % (alpha + 1), (i / 192) % (alpha + 1),
                                (i % 192) % (alpha + 1));
    }
    test::TempFolder folder;
    for (const char* name : {"full.png", "full.bmp"}) {
        const fs::path file = folder.path() / name;
        ASSERT_TRUE(exportPortrait(*canvas, 2, file));
        const std::string rgb = rgbBytes(file);
        ASSERT_EQ(rgb.size(), canvas->size() * 3) << name;
        EXPECT_EQ(rgb.substr(0, 3), rgbOf((*canvas)[0])) << name;
        for (std::size_t i = 0; i < canvas->size(); ++i)
            ASSERT_EQ(rgb.substr(i * 3, 3), rgbOf((*canvas)[i])) << name << " pixel " << i;
    }
}

// Every pixel as straight red, green, blue, alpha bytes, rows top to bottom.
std::string rgbaBytes(const fs::path& file) {
    const ToolOutput out = runTool("convert " + quoted(file) + " -depth 8 rgba:-");
    EXPECT_EQ(out.status, 0) << "ImageMagick's convert must be installed and read " << file;
    return out.text;
}

std::string rgbaOf(const PortraitImage& image) {
    std::string rgba;
    for (const Argb p : image.pixels) {
        rgba += rgbOf(p);
        rgba.push_back(static_cast<char>(image.backdrop == Backdrop::Opaque ? 255 : alphaOf(p)));
    }
    return rgba;
}

TEST(Export, FastestCompressionKeepsThePixelsAndTheRecipe) {
    auto canvas = makeCanvasPixels();
    for (std::uint32_t i = 0; i < canvas->size(); ++i) {
        const std::uint32_t alpha = (i / 5) % 256;
        (*canvas)[i] =
            makeArgb(alpha, (i * 13) % (alpha + 1), (i / 192) % (alpha + 1), (i / 7) % (alpha + 1));
    }
    PortraitImage odd{7, 3, Backdrop::Transparent, {}};
    for (std::uint32_t i = 0; i < 21; ++i)
        odd.pixels.push_back(makeArgb(i * 12, 255 - i, i * 3, 128 + i));
    const struct {
        const char* name;
        PortraitImage image;
    } cases[] = {
        {"opaque 96", scaledPortrait(*canvas, 96, Backdrop::Opaque)},
        {"opaque 192", scaledPortrait(*canvas, 192, Backdrop::Opaque)},
        {"transparent 144", scaledPortrait(*canvas, 144, Backdrop::Transparent)},
        {"transparent 7x3", odd},
    };
    test::TempFolder folder;
    for (const auto& [name, image] : cases) {
        SCOPED_TRACE(name);
        const auto zapisz = imageFileBytes(image, ExportFormat::Png, "recipe");
        const auto fastest =
            imageFileBytes(image, ExportFormat::Png, "recipe", PngCompression::Fastest);
        ASSERT_TRUE(zapisz && fastest);
        EXPECT_NE(*fastest, *zapisz);
        EXPECT_LT(fastest->size(), image.pixels.size() * 4 + 200);  // compressed
        EXPECT_EQ(readTextChunk(*fastest, kRecipeKeyword), "recipe");
        const fs::path a = folder.writeFile("zapisz.png", *zapisz);
        const fs::path b = folder.writeFile("fastest.png", *fastest);
        EXPECT_EQ(describe(b), describe(a));
        EXPECT_TRUE(rgbaBytes(a) == rgbaOf(image));
        EXPECT_TRUE(rgbaBytes(b) == rgbaOf(image));
    }
    const PortraitImage empty{0, 0, Backdrop::Opaque, {}};
    EXPECT_FALSE(imageFileBytes(empty, ExportFormat::Png, "recipe", PngCompression::Fastest));
}

std::vector<fs::path> entriesOf(const fs::path& folder) {
    std::vector<fs::path> entries{fs::directory_iterator(folder), fs::directory_iterator()};
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(Export, FailedWritesReturnFalseAndLeaveNothingBehind) {
    test::TempFolder folder;
    const auto canvas = quadrantCanvas();
    const fs::path existing = folder.writeFile("kept.png", "earlier bytes");
    const fs::path subfolder = folder.path() / "sub.png";
    fs::create_directory(subfolder);
    const std::vector<fs::path> targets = {
        existing / "inside.png",                 // parent is a regular file
        subfolder,                               // a folder of that name
        folder.path() / "missing" / "face.png",  // parent folder missing
        folder.path() / std::string(300, 'n'),   // name too long
        fs::path(),                              // no name at all
        folder.path() / "",                      // a folder, not a file name
    };
    for (const fs::path& target : targets)
        EXPECT_FALSE(exportPortrait(*canvas, 1, target)) << target;
    EXPECT_EQ(test::readBytes(existing), "earlier bytes");
    EXPECT_TRUE(fs::is_directory(subfolder));
    EXPECT_TRUE(fs::is_empty(subfolder));
    EXPECT_EQ(entriesOf(folder.path()), (std::vector<fs::path>{existing, subfolder}));
}

TEST(Export, APictureThatCouldNotBeEncodedIsReportedAndWritesNothing) {
    test::TempFolder folder;
    const FileResult written = writePictureFile(folder.path() / "face.png", std::nullopt);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, kEncodingFailed);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(Export, DeviceTargetIsNeverReplaced) {
    const fs::path full = "/dev/full";
    ASSERT_TRUE(fs::is_character_file(full));
    EXPECT_FALSE(exportPortrait(*quadrantCanvas(), 0, full));
    EXPECT_TRUE(fs::is_character_file(full));
}

TEST(Export, FullDiskLeavesTheExistingFileAsItWas) {
    test::TempFolder folder;
    const auto canvas = quadrantCanvas();
    for (const char* name : {"face.png", "face.bmp"}) {
        const fs::path file = folder.writeFile(name, "earlier bytes");
        {
            test::FileSizeLimit limit(64);
            ASSERT_TRUE(limit.active());
            EXPECT_FALSE(exportPortrait(*canvas, 2, file)) << name;
        }
        EXPECT_EQ(test::readBytes(file), "earlier bytes") << name;
        EXPECT_EQ(entriesOf(folder.path()).size(), 1u) << name;
        ASSERT_TRUE(exportPortrait(*canvas, 0, file)) << name;
        EXPECT_EQ(describe(file).substr(0, 6), "48 48 ") << name;
        EXPECT_EQ(entriesOf(folder.path()).size(), 1u) << name;
        fs::remove(file);
    }
}

}  // namespace
}  // namespace kelvaro
