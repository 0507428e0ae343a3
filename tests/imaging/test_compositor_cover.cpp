// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The opaque-sample marks behind the cover pass, against looking at all 16 taps of every
// sample position directly, on seeded random images with opaque blobs and translucent edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "imaging/opaque_taps.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

bool opaquePixel(const PartPixels& image, int u, int v) {
    if (u < 0 || v < 0 || u >= kPartSize || v >= kPartSize)
        return false;
    return alphaOf(image[static_cast<std::size_t>(v * kPartSize + u)]) == 255;
}

bool allTapsOpaque(const PartPixels& image, int column, int row) {
    for (int dy = -1; dy <= 2; ++dy)
        for (int dx = -1; dx <= 2; ++dx)
            if (!opaquePixel(image, column + dx, row + dy))
                return false;
    return true;
}

TEST(CompositorCover, OpaqueTapsMarkExactlyTheSamplesReadingOnlyOpaquePixels) {
    std::mt19937 random(7);
    for (int n = 0; n < 12; ++n) {
        const int cx = static_cast<int>(random() % kPartSize);
        const int cy = static_cast<int>(random() % kPartSize);
        const int radius = static_cast<int>(random() % 60) + 1;
        const auto image = makePart([&](int u, int v) -> Argb {
            const int d = (u - cx) * (u - cx) + (v - cy) * (v - cy);
            if (d > radius * radius)
                return 0;
            // Mostly opaque with scattered translucent holes.
            return random() % 16 == 0 ? 0x80102030u : 0xff405060u;
        });
        const PixelBox box = visibleBounds(*image);
        OpaqueTaps taps;
        taps.reset(*image, box);
        bool any = false;
        for (int row = -3; row < kPartSize + 3; ++row)
            for (int column = -3; column < kPartSize + 3; ++column) {
                const bool expected = allTapsOpaque(*image, column, row);
                any = any || expected;
                ASSERT_EQ(taps.at(column, row), expected)
                    << "image " << n << " at " << column << ", " << row;
            }
        EXPECT_EQ(taps.none(), !any) << "image " << n;
    }
}

TEST(CompositorCover, OpaqueBoundsHoldExactlyTheOpaqueSamplePositions) {
    // Opaque rectangles of random size, some too thin for any sample, with translucent rims.
    std::mt19937 random(12);
    for (int n = 0; n < 16; ++n) {
        const int left = static_cast<int>(random() % 200);
        const int top = static_cast<int>(random() % 200);
        const int right = left + static_cast<int>(random() % 30) + 1;
        const int bottom = top + static_cast<int>(random() % 30) + 1;
        const auto image = makePart([&](int u, int v) -> Argb {
            if (u >= left && u < right && v >= top && v < bottom)
                return 0xff203040u;
            return u >= left - 2 && u < right + 2 && v >= top - 2 && v < bottom + 2 ? 0x40203040u
                                                                                    : 0u;
        });
        PixelBox expected;
        for (int row = 0; row < kPartSize; ++row)
            for (int column = 0; column < kPartSize; ++column) {
                if (!allTapsOpaque(*image, column, row))
                    continue;
                expected = expected.empty()
                               ? PixelBox{column, row, column + 1, row + 1}
                               : PixelBox{std::min(expected.left, column), expected.top,
                                          std::max(expected.right, column + 1), row + 1};
            }
        OpaqueTaps taps;
        taps.reset(*image, visibleBounds(*image));
        const PixelBox found = taps.opaque();
        EXPECT_EQ(found.empty(), expected.empty()) << "rectangle " << n;
        if (!expected.empty()) {
            EXPECT_EQ(found, expected) << "rectangle " << n;
        }
    }
}

}  // namespace
}  // namespace kelvaro::test
