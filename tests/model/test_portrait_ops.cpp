// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The visible box each load records, and the portrait operations that hand it on: recolouring
// within it and composing with it give exactly the pixels of working on whole images.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "imaging/compositor.h"
#include "imaging/iris_mask.h"
#include "imaging/layer_bounds.h"
#include "imaging/recolour.h"
#include "model/part_library.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

using test::TempFolder;
using test::writeArgbPng;

// Layer n's part 000: colours varying by pixel, alpha 0 outside a rectangle that differs per
// layer (touching the image's edges for some) and on a diagonal stripe inside it.
Argb layerPixel(int layer, int x, int y) {
    const int left = (layer * 17) % 90, top = (layer * 29) % 120;
    const int right = kPartSize - (layer * 13) % 70, bottom = kPartSize - (layer * 7) % 60;
    const bool inside = x >= left && x < right && y >= top && y < bottom && (x + y) % 11 != 0;
    const auto alpha = static_cast<std::uint32_t>(inside ? 1 + (x * 3 + y * 5 + layer) % 255 : 0);
    return makeArgb(alpha, static_cast<std::uint32_t>(x + layer) & 0xffu,
                    static_cast<std::uint32_t>(y * 3) & 0xffu,
                    static_cast<std::uint32_t>(x ^ y) & 0xffu);
}

// A portrait with every layer loaded from a library of such parts.
struct LoadedPortrait {
    TempFolder folder;
    PortraitState state;

    LoadedPortrait() {
        state.baseDirectory = folder.path();
        for (int layer = 0; layer < kLayerCount; ++layer) {
            writeArgbPng(partPath(folder.path(), layerInfo(layer).folder, 0), kPartSize, kPartSize,
                         [layer](int x, int y) { return layerPixel(layer, x, y); });
            EXPECT_TRUE(loadLayer(state, layer, 0, {})) << layer;
        }
    }
};

// composeCanvas over the portrait's layers without their boxes (every image scanned), over the
// opaque base the portrait is composed on.
std::unique_ptr<CanvasPixels> composeScanning(const PortraitState& state) {
    std::vector<CompositorLayer> layers;
    for (const int index : drawOrder()) {
        const LayerState& l = state.layer(index);
        layers.push_back({l.hasImage ? l.image() : nullptr, l.x, l.y, l.angle});
    }
    auto out = makeCanvasPixels();
    CompositorOptions options;
    options.opaqueBase = true;
    composeCanvas(state.hasWall ? state.wall.get() : nullptr, layers, *out, options);
    return out;
}

TEST(PortraitOps, LoadRecordsTheVisibleBoxOfTheLoadedPixels) {
    LoadedPortrait portrait;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const LayerState& l = portrait.state.layer(layer);
        EXPECT_EQ(l.loadedBox, visibleBounds(*l.loaded)) << layer;
    }
    // Layer 5: its rectangle is columns 85..164 and rows 25..194; the stripe clears single
    // pixels of its edges, never a whole edge row or column.
    EXPECT_EQ(portrait.state.layer(5).loadedBox, (PixelBox{85, 25, 165, 195}));
    // Reloading with a smaller part replaces the box; the substitute records its own.
    writeArgbPng(partPath(portrait.folder.path(), layerInfo(5).folder, 1), 40, 30,
                 [](int, int) { return 0xff123456u; });
    ASSERT_TRUE(loadLayer(portrait.state, 5, 1, {}));
    EXPECT_EQ(portrait.state.layer(5).loadedBox, (PixelBox{0, 0, 40, 30}));
    test::writeSolidPart(dummyPath(portrait.folder.path()), 0x80ffffffu);
    ASSERT_TRUE(loadLayer(portrait.state, 5, 7, {}));
    EXPECT_EQ(portrait.state.layer(5).loadedBox, kWholePart);
}

TEST(PortraitOps, RecolourAndComposeWithBoxesEqualWholeImageWork) {
    LoadedPortrait portrait;
    PortraitState& state = portrait.state;
    const ColourSettings settings[] = {{200, 90, 30, 40, -25}, {0, 255, 128, -70, 60}};
    for (int round = 0; round < 2; ++round) {
        state.current = settings[round];
        recolourAllLayers(state);
        state.layer(kIrisLayer).x = -19 + 9 * (round + 1);
        state.layer(kIrisLayer).y = -19 - 4 * round;
        state.layer(7).angle = 30 * round + 15;
        maskIris(state);
        // Whole-image reference of the same steps for every layer.
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const LayerState& l = state.layer(layer);
            auto expected = makePartPixels();
            recolourPixels(*l.loaded, *expected, settings[round]);
            if (layer == kIrisLayer)
                maskIris(*l.loaded, *state.layer(kEyeShapeLayer).loaded,
                         l.x - kDefaultLayerPosition, l.y - kDefaultLayerPosition, *expected);
            ASSERT_EQ(*l.image(), *expected) << "round " << round << ", layer " << layer;
        }
        auto composed = makeCanvasPixels();
        composePortrait(state, *composed);
        ASSERT_EQ(*composed, *composeScanning(state)) << "round " << round;
    }
}

// An eye shape whose last load failed has no image, yet the iris is masked against the pixels
// it loaded: those of its earlier part, or none at all when it never loaded.
TEST(PortraitOps, TheIrisIsMaskedAlsoWhenTheEyeShapeHasNoImage) {
    LoadedPortrait portrait;
    PortraitState& state = portrait.state;
    ASSERT_FALSE(loadLayer(state, kEyeShapeLayer, 1, {}));  // neither 001 nor a dummy exists
    ASSERT_FALSE(state.layer(kEyeShapeLayer).hasImage);
    const LayerState& iris = state.layer(kIrisLayer);
    auto expected = std::make_unique<PartPixels>(*iris.image());
    maskIris(*iris.loaded, *state.layer(kEyeShapeLayer).loaded, 0, 0, *expected);
    ASSERT_NE(*expected, *iris.image()) << "the eye shape hides part of the iris";
    maskIris(state);
    EXPECT_EQ(*iris.image(), *expected);

    PortraitState fresh;
    fresh.baseDirectory = portrait.folder.path();
    ASSERT_TRUE(loadLayer(fresh, kIrisLayer, 0, {}));
    maskIris(fresh);
    int shown = 0;
    for (const Argb p : *fresh.layer(kIrisLayer).image())
        shown += alphaOf(p) != 0;
    EXPECT_EQ(shown, 0) << "an eye shape never loaded is transparent";
}

TEST(PortraitOps, RecolouringTheLoadedLayersLeavesTheRestOfTheGroup) {
    // The face's group holds seven layers, its load group the face alone; the settings changed
    // since the last recolour.
    struct Row {
        RecolourScope scope;
        std::vector<int> changed;
    };
    const Row rows[] = {{RecolourScope::WholeGroup, {0, 1, 2, 4, 5, 8, 18}},
                        {RecolourScope::LoadedLayers, {0}}};
    for (const Row& row : rows) {
        auto state = test::openedPortrait();
        state->currentElement = kFace;
        state->current = {200, 150, 255, -15, 25};
        std::vector<PartPixels> before;
        for (const LayerState& layer : state->layers)
            before.push_back(*layer.image());
        recolourCurrentElement(*state, row.scope);
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const bool changed =
                std::find(row.changed.begin(), row.changed.end(), layer) != row.changed.end();
            const LayerState& l = state->layer(layer);
            EXPECT_EQ(*l.image() != before[static_cast<std::size_t>(layer)], changed)
                << "layer " << layer;
            EXPECT_EQ(l.stored == state->current, changed) << "layer " << layer;
        }
    }
}

}  // namespace
}  // namespace kelvaro
