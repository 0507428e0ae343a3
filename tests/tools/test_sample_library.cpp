// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The generated sample library: its folder tree, numbering, image formats and transparency.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <memory>
#include <set>

#include "io/file_boundary.h"
#include "model/layer_tables.h"
#include "tests/support/fixtures.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro {
namespace {

using test::TempFolder;

std::filesystem::path partPath(const std::filesystem::path& picture, int layer, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.png", number);
    return picture / std::string(layerInfo(layer).folder) / name;
}

QImage load(const std::filesystem::path& file) {
    return QImage(toQtPath(file)).convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image, int minimumAlpha) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) >= minimumAlpha;
    return count;
}

class SampleLibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(samples::writeSampleLibrary(s_folder->path()));
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    static std::filesystem::path picture() { return s_folder->path() / "picture"; }

    static std::unique_ptr<TempFolder> s_folder;
};

std::unique_ptr<TempFolder> SampleLibraryTest::s_folder;

TEST_F(SampleLibraryTest, EveryLayerFolderHoldsItsElementsNumbersWithoutGaps) {
    // The smallest library a fresh installation needs, element by element.
    constexpr std::array<int, kElementCount> kAtLeast = {4, 3, 11, 6, 4, 12, 8, 3,
                                                         3, 8, 6,  6, 4, 3,  7};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int element = layerInfo(layer).element;
        const int count = samples::partCount(element);
        SCOPED_TRACE(std::string(layerInfo(layer).folder));
        EXPECT_GE(count, kAtLeast[static_cast<std::size_t>(element)]);
        const auto folder = picture() / std::string(layerInfo(layer).folder);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                                std::filesystem::directory_iterator()),
                  count);
        for (int number = 0; number < count; ++number) {
            const QImage part = load(partPath(picture(), layer, number));
            EXPECT_EQ(part.size(), QSize(kPartSize, kPartSize)) << number;
            EXPECT_TRUE(part.hasAlphaChannel()) << number;
        }
        EXPECT_FALSE(std::filesystem::exists(partPath(picture(), layer, count)));
    }
}

TEST_F(SampleLibraryTest, OptionalElementsWearNothingByDefaultAndTheOthersShowAPart) {
    const std::set<int> emptyDefaults = {kBeard, kHeadwear, kAccessory, kBand};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int element = layerInfo(layer).element;
        const QImage part = load(partPath(picture(), layer, 0));
        SCOPED_TRACE(std::string(layerInfo(layer).folder));
        if (emptyDefaults.contains(element)) {
            EXPECT_EQ(opaquePixels(part, 1), 0);
            EXPECT_GT(opaquePixels(load(partPath(picture(), element, 1)), 1), 50);
        } else if (layer < kElementCount) {
            EXPECT_GT(opaquePixels(part, 1), 50);
        }
    }
}

TEST_F(SampleLibraryTest, DummyIsTransparentAndWallOpaque) {
    const QImage dummy = load(picture() / "dummy.png");
    EXPECT_EQ(dummy.size(), QSize(kPartSize, kPartSize));
    EXPECT_EQ(opaquePixels(dummy, 1), 0);
    const QImage wall = load(picture() / "wall.png");
    EXPECT_EQ(wall.size(), QSize(kCanvasSize, kCanvasSize));
    EXPECT_EQ(opaquePixels(wall, 255), kCanvasPixelCount);
}

TEST_F(SampleLibraryTest, GeneratingAgainGivesTheSameBytes) {
    TempFolder again;
    ASSERT_TRUE(samples::writeSampleLibrary(again.path()));
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(picture())) {
        if (!entry.is_regular_file())
            continue;
        const auto relative = std::filesystem::relative(entry.path(), s_folder->path());
        EXPECT_EQ(test::readBytes(entry.path()), test::readBytes(again.path() / relative))
            << relative;
        ++files;
    }
    EXPECT_EQ(files, 2 + 4 + 3 + 2 * 11 + 6 + 4 + 2 * 12 + 8 + 3 + 3 + 3 * 8 + 3 * 6 + 2 * 6 +
                         3 * 4 + 3 + 7);
}

TEST(SampleLibraryWriteTest, AFolderThatCannotBeCreatedIsReported) {
    TempFolder folder;
    const auto blocker = folder.writeFile("plain-file", "not a folder");
    EXPECT_FALSE(samples::writeSampleLibrary(blocker / "library"));
    EXPECT_FALSE(std::filesystem::exists(blocker / "library"));
}

TEST(SampleLibraryWriteTest, PartsOutsideTheLibraryAreTransparent) {
    const struct {
        int layer, number;
    } cases[] = {{-1, 0}, {kLayerCount, 0}, {kFace, 4}, {kFace, -1}, {kEyeShapeLayer, 11}};
    for (const auto& c : cases) {
        const QImage part = samples::drawPart(c.layer, c.number);
        EXPECT_EQ(part.size(), QSize(kPartSize, kPartSize));
        EXPECT_EQ(opaquePixels(part, 1), 0) << c.layer << " " << c.number;
    }
}

}  // namespace
}  // namespace kelvaro
