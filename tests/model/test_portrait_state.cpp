// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Defaults of a new portrait and the counter text; a layer's own pixels after a sequence of
// loads and writes.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

#include <memory>

#include "imaging/layer_bounds.h"
#include "imaging/part_box.h"
#include "imaging/recolour.h"
#include "model/part_cache.h"
#include "model/portrait_state.h"

namespace kelvaro {
namespace {

TEST(PortraitState, NewPortraitHasEveryDefault) {
    const PortraitState state;
    const ColourSettings neutral{255, 255, 255, 0, 0};
    for (int i = 0; i < kLayerCount; ++i) {
        const LayerState& l = state.layer(i);
        EXPECT_EQ(l.partNumber, 0) << i;
        EXPECT_EQ(l.x, -19) << i;
        EXPECT_EQ(l.y, -19) << i;
        EXPECT_EQ(l.angle, 0) << i;
        EXPECT_EQ(l.stored, neutral) << i;
        EXPECT_FALSE(l.hasImage) << i;
        EXPECT_TRUE(l.image() && l.loaded) << i;
        EXPECT_FALSE(l.ownImage) << i;  // allocated only when first written
    }
    EXPECT_EQ(state.current, neutral);
    EXPECT_EQ(state.scroll, neutral);
    EXPECT_EQ(state.currentElement, 0);
    EXPECT_EQ(state.sizeChoice, 0);
    EXPECT_FALSE(state.saved);
    EXPECT_FALSE(state.hasWall);
    EXPECT_TRUE(state.wall);
    EXPECT_FALSE(state.released());
}

TEST(PortraitState, PartNumbersComeFromThePattern) {
    Pattern pattern{};
    for (int i = 0; i < kLayerCount; ++i)
        pattern[static_cast<std::size_t>(i)] = i * 7 - 3;
    const PortraitState state(pattern);
    EXPECT_EQ(state.pattern, pattern);
    for (int i = 0; i < kLayerCount; ++i) {
        EXPECT_EQ(state.layer(i).partNumber, i * 7 - 3) << i;
    }
    EXPECT_EQ(state.elementPart(kClothes), 74);
}

TEST(PortraitState, ReleaseFreesEveryBuffer) {
    PortraitState state;
    state.release();
    EXPECT_TRUE(state.released());
    for (const LayerState& l : state.layers) {
        EXPECT_FALSE(l.image() || l.loaded || l.hasImage);
    }
}

// Part buffers are all zeros whatever the heap held before: after large blocks were filled and
// freed (which also raises malloc's threshold for fresh pages), and after a buffer was written
// and let go.
TEST(PortraitState, ZeroedPartBuffersAreZeroAfterDirtyBlocksWereFreed) {
    const std::size_t sizes[] = {sizeof(PartPixels) * 3, sizeof(PartPixels) + 4096,
                                 sizeof(PartPixels), sizeof(PartPixels) / 2};
    const auto zero = [](const ZeroedPartPixels& p) {
        return std::all_of(p->begin(), p->end(), [](Argb v) { return v == 0; });
    };
    for (const std::size_t bytes : sizes) {
        std::size_t filled = 0;
        for (int round = 0; round < 3; ++round) {
            std::vector<unsigned char> dirty(bytes, 0xa5);
            filled += std::count(dirty.begin(), dirty.end(), 0xa5);
        }
        EXPECT_EQ(filled, bytes * 3);
        ZeroedPartPixels first = zeroedPartPixels();
        EXPECT_TRUE(zero(first)) << bytes;
        first->fill(0xfffefdfc);
        first.reset();
        ZeroedPartPixels second = zeroedPartPixels();
        ZeroedPartPixels third = zeroedPartPixels();
        EXPECT_TRUE(zero(second) && zero(third)) << bytes;
    }
}

// A part whose pixels are `colour` inside `visible`, with one transparent pixel that has colour
// bytes at `hidden` (outside `visible`), kept as the part cache keeps it.
std::unique_ptr<DecodedPart> partOf(const PixelBox& visible, Argb colour, int hidden) {
    PartPixels image{};
    for (int y = visible.top; y < visible.bottom; ++y)
        std::fill_n(image.begin() + y * kPartSize + visible.left, visible.width(), colour);
    image[static_cast<std::size_t>(hidden)] = 0x00123456;
    auto part = std::make_unique<DecodedPart>();
    part->stored = nonZeroBounds(image);
    part->box = visibleBounds(image, part->stored);
    part->pixels = copyBox(image, part->stored);
    return part;
}

// Writes into the layer's own pixels, such as recolouring makes, inside the loaded box.
void writeInsideLoadedBox(LayerState& layer) {
    const PixelBox box = intersection(layer.loadedBox, kWholePart);
    if (!box.empty())
        layer.writableImage()[static_cast<std::size_t>(box.top * kPartSize + box.left)] =
            0xfffefdfc;
}

// Loads in turn into one layer, the previous part reaching further each way at some step.
struct Load {
    PixelBox visible;
    Argb colour;
    int hidden;
};
constexpr Load kLoads[] = {
    {{100, 100, 103, 101}, 0x80ff0000, 229 * kPartSize + 229},
    {{0, 0, 230, 230}, 0xff102030, 5},
    {{0, 200, 1, 230}, 0xff00ff00, 0},
    {{229, 0, 230, 1}, 0x01010101, 40 * kPartSize + 7},
    {{3, 4, 5, 6}, 0xffffffff, 6 * kPartSize + 5},
    {{50, 60, 180, 190}, 0xc0804020, 1},
    {{70, 40, 120, 200}, 0xff306090, 220 * kPartSize + 3},
};

// Writable pixels are always an exact copy of the loaded ones, however far the previous part and
// the writes into it reached: every pixel is compared after each load, starting from the blank
// part of a new portrait and from loaded pixels of unknown extent.
TEST(PortraitState, WritableImageCopiesTheLoadedPixelsAfterEveryLoad) {
    const auto& loads = kLoads;
    PortraitState state;
    LayerState unknown;
    unknown.loaded = std::make_shared<const PartPixels>();
    for (LayerState* layer : {&state.layer(0), &unknown}) {
        EXPECT_TRUE(layer->writableImage() == *layer->loaded);
        writeInsideLoadedBox(*layer);
        for (std::size_t i = 0; i < std::size(loads); ++i) {
            SCOPED_TRACE(i);
            layer->showPart(*partOf(loads[i].visible, loads[i].colour, loads[i].hidden));
            const PartPixels& own = layer->writableImage();
            EXPECT_TRUE(own == *layer->loaded);
            EXPECT_EQ(layer->image(), &own);
            writeInsideLoadedBox(*layer);
        }
    }
}

// Recolouring after each load shows every pixel as recolouring the whole loaded image gives,
// although the pixels inside the loaded box are not copied before they are recoloured.
TEST(PortraitState, RecolouringAfterEveryLoadGivesTheWholeImageRecoloured) {
    const ColourSettings settings{200, 90, 255, 12, -30};
    PortraitState state;
    for (const Load& load : kLoads) {
        SCOPED_TRACE(load.colour);
        LayerState& layer = state.layer(0);
        layer.showPart(*partOf(load.visible, load.colour, load.hidden));
        layer.recolourLoaded(settings);
        PartPixels expected = *layer.loaded;
        recolourPixels(*layer.loaded, expected, settings);
        EXPECT_TRUE(*layer.image() == expected);
        writeInsideLoadedBox(layer);
    }
}

}  // namespace
}  // namespace kelvaro
