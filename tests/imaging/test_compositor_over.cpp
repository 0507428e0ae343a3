// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Composing over a canvas already holding the layers below gives exactly the pixels of composing
// every layer at once, and the cover pass marks unturned layers exactly where their pixel is
// opaque.
#include <gtest/gtest.h>

#include <random>

#include "imaging/blend.h"
#include "imaging/opaque_cover.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

// An opaque disc with translucent specks, a soft rim and transparent surroundings.
std::unique_ptr<PartPixels> blobPart(unsigned seed, int cx, int cy, int radius) {
    std::mt19937 random(seed);
    const Argb colour = static_cast<Argb>(random()) | 0xff000000u;
    return makePart([&](int u, int v) -> Argb {
        const int d2 = (u - cx) * (u - cx) + (v - cy) * (v - cy);
        if (d2 > (radius + 3) * (radius + 3))
            return 0;
        if (d2 > radius * radius || random() % 23 == 0)
            return (colour & 0x00ffffffu) | 0x70000000u;
        return colour;
    });
}

struct Stack {
    std::vector<std::unique_ptr<PartPixels>> parts;
    std::vector<CompositorLayer> layers;
};

// A stack meeting every path: whole-pixel copies unturned and turned by quarters, cubic turns,
// a fully opaque layer covering most of the canvas, an absent layer and a translucent one.
Stack mixedStack() {
    struct Row {
        int cx, cy, radius, x, y, angle;
    };
    const Row rows[] = {
        {115, 115, 40, -10, -20, 0},  {60, 90, 35, 7, -3, 90},     {150, 120, 50, -33, -11, 17},
        {115, 115, 200, -19, -19, 0}, {100, 60, 30, -5, 13, 0},    {90, 150, 45, -40, -38, 180},
        {120, 100, 25, -2, -9, 301},  {200, 30, 28, -60, 15, 270}, {40, 40, 33, 11, 1, 0},
    };
    Stack stack;
    unsigned seed = 3;
    for (const Row& row : rows) {
        stack.parts.push_back(blobPart(++seed, row.cx, row.cy, row.radius));
        stack.layers.push_back({stack.parts.back().get(), row.x, row.y, row.angle});
    }
    stack.layers.insert(stack.layers.begin() + 5, CompositorLayer{});  // absent
    return stack;
}

TEST(CompositorOver, ComposingOverTheLayersBelowGivesThePixelsOfComposingAll) {
    const Stack stack = mixedStack();
    auto wall = makeCanvasPixels();
    std::mt19937 random(11);
    for (Argb& pixel : *wall)
        pixel = premultiply(static_cast<Argb>(random()));
    const std::span<const CompositorLayer> all(stack.layers);
    const CanvasPixels* const walls[] = {nullptr, wall.get()};
    for (const CanvasPixels* start : walls)
        for (const bool opaqueBase : {false, true})
            for (const bool fastPaths : {true, false}) {
                CompositorOptions options{fastPaths, opaqueBase};
                auto whole = makeCanvasPixels();
                composeCanvas(start, all, *whole, options);
                for (std::size_t split = 0; split <= all.size(); ++split) {
                    auto below = makeCanvasPixels();
                    auto over = makeCanvasPixels();
                    composeCanvas(start, all.first(split), *below, options);
                    composeCanvasOver(*below, all.subspan(split), *over, options);
                    ASSERT_EQ(*over, *whole)
                        << "wall " << (start != nullptr) << ", opaque base " << opaqueBase
                        << ", fast paths " << fastPaths << ", split after " << split << " layers";
                }
            }
}

// The cover level of canvas pixel (i, j) worked out from the definition, for unturned layers
// that all have a plan: the highest layer whose pixel there is opaque.
std::uint8_t expectedLevel(std::span<const CompositorLayer> layers, int i, int j) {
    for (std::size_t k = layers.size(); k-- > 0;) {
        const int u = i - layers[k].x, v = j - layers[k].y;
        if (u < 0 || v < 0 || u >= kPartSize || v >= kPartSize)
            continue;
        if (alphaOf((*layers[k].image)[static_cast<std::size_t>(v * kPartSize + u)]) == 255)
            return static_cast<std::uint8_t>(k + 1);
    }
    return 0;
}

TEST(CompositorOver, CoverOfUnturnedLayersIsTheHighestOpaquePixel) {
    // Odd offsets, spans cut by every canvas edge, layers above covering parts of those below.
    struct Row {
        int cx, cy, radius, x, y;
    };
    const Row rows[] = {
        {115, 115, 90, -19, -19}, {30, 40, 29, -25, -37},  {200, 190, 41, -3, 7},
        {115, 60, 13, -40, 1},    {10, 220, 35, 150, -61}, {120, 120, 60, -60, -60},
    };
    Stack stack;
    unsigned seed = 40;
    for (const Row& row : rows) {
        stack.parts.push_back(blobPart(++seed, row.cx, row.cy, row.radius));
        stack.layers.push_back({stack.parts.back().get(), row.x, row.y, 0});
    }
    const std::vector<LayerPlan> plans = planLayers(stack.layers, true);
    ASSERT_EQ(plans.size(), stack.layers.size());
    CoverMap cover;
    markOpaqueCover(plans, cover);
    for (int j = 0; j < kCanvasSize; ++j)
        for (int i = 0; i < kCanvasSize; ++i)
            ASSERT_EQ(cover[static_cast<std::size_t>(j * kCanvasSize + i)],
                      expectedLevel(stack.layers, i, j))
                << "canvas pixel " << i << ", " << j;
}

}  // namespace
}  // namespace kelvaro::test
