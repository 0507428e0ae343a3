// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The application icon compiled into the editor must be the icon the program's code draws now:
// a build that kept pixels from an older icon code fails here.
#include <gtest/gtest.h>
#include <QImage>
#include <cstring>

#include "app/built_in_icon.h"
#include "ui/icons.h"

namespace kelvaro::test {
namespace {

TEST(BuiltInIcon, EveryImageIsTheDrawnIconByteForByte) {
    const std::vector<QImage> built = builtInApplicationIconImages();
    ASSERT_EQ(built.size(), kApplicationIconSizes.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        const int size = kApplicationIconSizes[i];
        const QImage drawn = iconImage(kApplicationIcon, size);
        const QImage& image = built[i];
        EXPECT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(image.format(), drawn.format()) << size;
        EXPECT_EQ(image.devicePixelRatio(), drawn.devicePixelRatio()) << size;
        ASSERT_EQ(image.sizeInBytes(), drawn.sizeInBytes()) << size;
        EXPECT_EQ(std::memcmp(image.constBits(), drawn.constBits(), drawn.sizeInBytes()), 0)
            << size;
        EXPECT_TRUE(image == drawn) << size;
    }
}

// A range gives the images of those sizes, wrapping the compiled-in pixels themselves.
TEST(BuiltInIcon, RangesWrapTheConstantPixels) {
    struct Case {
        std::size_t from, to;
        std::vector<int> sizes;
    };
    const Case cases[] = {
        {0, kFirstFrameIconSizeCount, {16, 32, 48, 64}},
        {kFirstFrameIconSizeCount, kApplicationIconSizes.size(), {128, 256}},
        {2, 3, {48}},
        {6, 6, {}},
    };
    for (const Case& c : cases) {
        const std::vector<QImage> images = builtInApplicationIconImages(c.from, c.to);
        ASSERT_EQ(images.size(), c.sizes.size()) << c.from;
        for (std::size_t i = 0; i < images.size(); ++i) {
            EXPECT_EQ(images[i].width(), c.sizes[i]) << c.from << " " << i;
            EXPECT_EQ(images[i].constBits(),
                      reinterpret_cast<const uchar*>(kBuiltInIconPixels[c.from + i].pixels))
                << c.from << " " << i;
        }
    }
}

}  // namespace
}  // namespace kelvaro::test
