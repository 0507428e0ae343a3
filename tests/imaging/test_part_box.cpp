// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A part kept as the box of its pixels that are not 0 and expanded again into one reused buffer
// gives back exactly the image it was taken from, whatever the buffer held before.
#include <gtest/gtest.h>

#include "imaging/layer_bounds.h"
#include "imaging/part_box.h"

namespace kelvaro {
namespace {

constexpr Argb kRed = 0xffff0000;
constexpr Argb kClearColour = 0x0000ff00;  // colour bytes under alpha 0

struct Row {
    const char* name;
    Argb (*pixel)(int x, int y);
    PixelBox stored;  // the box of pixels that are not 0
};

// Images expanded one after the other into the same buffer: each leaves pixels behind for the
// next one to clear.
const Row kRows[] = {
    {"whole image", [](int x, int y) { return kRed - static_cast<Argb>(x + y); }, kWholePart},
    {"fully transparent", [](int, int) { return Argb{0}; }, {}},
    {"top left corner", [](int x, int y) { return x == 0 && y == 0 ? kRed : 0u; }, {0, 0, 1, 1}},
    {"top right corner",
     [](int x, int y) { return x == 229 && y == 0 ? kRed : 0u; },
     {229, 0, 230, 1}},
    {"bottom left corner",
     [](int x, int y) { return x == 0 && y == 229 ? kRed : 0u; },
     {0, 229, 1, 230}},
    {"bottom right corner",
     [](int x, int y) { return x == 229 && y == 229 ? kRed : 0u; },
     {229, 229, 230, 230}},
    {"big box",
     [](int x, int y) { return x >= 5 && x < 220 && y >= 8 && y < 200 ? kRed : 0u; },
     {5, 8, 220, 200}},
    {"small box inside the big one after it",
     [](int x, int y) { return x >= 50 && x < 60 && y >= 70 && y < 72 ? kRed : 0u; },
     {50, 70, 60, 72}},
    {"colour under alpha 0 counts",
     [](int x, int y) {
         return x == 3 && y == 4 ? kClearColour : (x == 100 && y == 101 ? kRed : 0u);
     },
     {3, 4, 101, 102}},
    {"box overlapping the last one's edge",
     [](int x, int y) { return x >= 90 && x < 150 && y >= 0 && y < 50 ? kRed : 0u; },
     {90, 0, 150, 50}},
};

std::unique_ptr<PartPixels> imageOf(const Row& row) {
    auto image = makePartPixels();
    for (int y = 0; y < kPartSize; ++y)
        for (int x = 0; x < kPartSize; ++x)
            (*image)[static_cast<std::size_t>(y * kPartSize + x)] = row.pixel(x, y);
    return image;
}

TEST(PartBox, ExpandingTheStoredBoxGivesBackEveryPixel) {
    auto buffer = makePartPixels();
    buffer->fill(0xdeadbeef);  // a new buffer's contents are unknown
    PixelBox dirty = kWholePart;
    for (const Row& row : kRows) {
        const auto image = imageOf(row);
        const PixelBox stored = nonZeroBounds(*image);
        EXPECT_EQ(stored, row.stored) << row.name;
        const std::vector<Argb> pixels = copyBox(*image, stored);
        EXPECT_EQ(pixels.size(),
                  stored.empty() ? 0u : static_cast<std::size_t>(stored.width() * stored.height()))
            << row.name;
        expandBox(pixels, stored, dirty, *buffer);
        EXPECT_TRUE(*buffer == *image) << row.name;
        dirty = stored;
    }
}

TEST(PartBox, PixelsOutsideBothBoxesAreNotTouched) {
    auto buffer = makePartPixels();
    buffer->fill(0x01020304);
    const std::vector<Argb> pixels(4, kRed);
    expandBox(pixels, {10, 10, 12, 12}, {20, 20, 25, 21}, *buffer);
    EXPECT_EQ((*buffer)[10 * kPartSize + 11], kRed);
    EXPECT_EQ((*buffer)[20 * kPartSize + 24], 0u);
    EXPECT_EQ((*buffer)[21 * kPartSize + 24], 0x01020304u);
    EXPECT_EQ((*buffer)[20 * kPartSize + 25], 0x01020304u);
    EXPECT_EQ((*buffer)[10 * kPartSize + 12], 0x01020304u);
}

}  // namespace
}  // namespace kelvaro
