// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Composing over a canvas already holding the layers below, and under layers planned once on top,
// gives exactly the pixels of composing every layer at once, and the cover pass marks unturned
// layers exactly where their pixel is opaque.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "imaging/blend.h"
#include "imaging/kernel_choice.h"
#include "imaging/opaque_cover.h"
#include "imaging/top_layers.h"
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

// Layers planned once on top: for every pair of splits into below, middle and top, composing the
// middle under the planned top gives the pixels of composing all, with the steady canvas (every
// other middle layer changing) and without it. The same top serves after the changing middle
// layers change (their images swapped for others, one of them absent).
TEST(CompositorOver, ComposingUnderPlannedTopLayersGivesThePixelsOfComposingAll) {
    const Stack stack = mixedStack();
    const Stack other = mixedStack();
    const std::span<const CompositorLayer> all(stack.layers);
    for (const bool fastPaths : {true, false})
        for (const bool steady : {false, true})
            for (std::size_t top = 0; top <= all.size(); ++top)
                for (std::size_t split = 0; split <= top; ++split) {
                    const CompositorOptions options{fastPaths, false};
                    auto below = makeCanvasPixels();
                    composeCanvas(nullptr, all.first(split), *below, options);
                    TopLayers planned = planTopLayers(all.subspan(top), options);
                    std::vector<bool> changing(top - split);
                    for (std::size_t k = 0; k < changing.size(); ++k)
                        changing[k] = k % 2 == 0;
                    if (steady)
                        composeSteadyCanvas(*below, all.subspan(split, top - split), changing,
                                            planned);
                    std::vector<CompositorLayer> layers(all.begin(), all.end());
                    for (std::size_t k = split; k < top; k += 2)
                        layers[k].image = k % 3 == 1 ? nullptr : other.layers[(k + 4) % 10].image;
                    auto whole = makeCanvasPixels();
                    auto under = makeCanvasPixels();
                    composeCanvas(nullptr, layers, *whole, options);
                    KeptPlans middle;
                    replanLayers(std::span(layers).subspan(split, top - split), planned.fastPaths,
                                 middle);
                    composeCanvasUnder(*below, middle.plans, planned, *under);
                    ASSERT_EQ(*under, *whole) << "fast paths " << fastPaths << ", steady " << steady
                                              << ", below " << split << ", top from " << top;
                }
}

// A canvas kept from one composition to the next under the same top layers, while the changing
// middle layers take other images, places and none, reaching further or less far each time: each
// time the pixels of composing all. A new steady canvas (the top layers planned again) is not
// mistaken for the one the canvas was kept under.
TEST(CompositorOver, AKeptCanvasFollowsTheChangingLayersReach) {
    const Stack stack = mixedStack();
    const Stack other = mixedStack();
    const std::span<const CompositorLayer> all(stack.layers);
    constexpr std::size_t kSplit = 4, kTop = 7;  // middle: layers 4-6, of which 4 and 6 change
    const std::vector<bool> changing = {true, false, true};
    const std::vector<std::function<void(std::vector<CompositorLayer>&)>> variants = {
        [](auto&) {},
        [&](auto& layers) { layers[kSplit].image = other.layers[7].image; },
        [&](auto& layers) {
            layers[kSplit + 2] = {other.layers[0].image, 60, 50, 0};
        },
        [&](auto& layers) { layers[kSplit].image = nullptr; },
        [&](auto& layers) {
            layers[kSplit + 2] = {other.layers[3].image, -30, -40, 0};
        },
        [&](auto& layers) {
            layers[kSplit] = {other.layers[8].image, 100, 120, 33};
        },
    };
    KeptCanvas kept;
    for (int round = 0; round < 2; ++round) {
        // The second round without the opaque layer below: another canvas below, another steady
        // one.
        std::vector<CompositorLayer> lowest(all.begin(), all.begin() + kSplit);
        if (round == 1)
            lowest[3] = {};
        auto below = makeCanvasPixels();
        composeCanvas(nullptr, lowest, *below);
        TopLayers planned = planTopLayers(all.subspan(kTop));
        composeSteadyCanvas(*below, all.subspan(kSplit, kTop - kSplit), changing, planned);
        for (std::size_t v = 0; v < variants.size(); ++v) {
            std::vector<CompositorLayer> layers(all.begin(), all.end());
            std::copy(lowest.begin(), lowest.end(), layers.begin());
            variants[v](layers);
            auto whole = makeCanvasPixels();
            composeCanvas(nullptr, layers, *whole);
            KeptPlans middle;
            replanLayers(std::span(layers).subspan(kSplit, kTop - kSplit), true, middle);
            composeCanvasUnder(*below, middle.plans, planned, kept);
            ASSERT_EQ(*kept.pixels, *whole) << "round " << round << ", variant " << v;
        }
    }
}

// Plans kept from one composition to the next through a sequence of changes to the layers: each
// time only the changed layers are planned again, and the pixels are those of composing all.
TEST(CompositorOver, KeptPlansFollowEveryChangeOfTheLayers) {
    Stack stack = mixedStack();
    const Stack other = mixedStack();
    auto rewritten = std::make_unique<PartPixels>(*stack.parts[0]);
    std::vector<CompositorLayer> layers = stack.layers;
    for (CompositorLayer& layer : layers)
        if (layer.image != nullptr)
            layer.visible = visibleBounds(*layer.image);
    layers[0] = {rewritten.get(), layers[0].x, layers[0].y, 0, visibleBounds(*rewritten)};
    const std::vector<std::function<void()>> changes = {
        [] {},
        [&] { layers[2].y -= 1; },
        [&] { layers[4].angle = 33; },
        [&] {
            layers[1] = {other.parts[6].get(), 9, -4, 90, visibleBounds(*other.parts[6])};
        },
        [&] { layers[3].image = nullptr; },
        [&] {
            *rewritten = *other.parts[7];  // the same buffer, new pixels and box
            layers[0].visible = visibleBounds(*rewritten);
        },
        [&] { layers[6].visible.reset(); },
        [&] { layers[3] = stack.layers[3]; },
    };
    const TopLayers noTop = planTopLayers({});
    KeptPlans kept;
    const auto blank = makeCanvasPixels();
    blank->fill(0);
    for (std::size_t step = 0; step < changes.size(); ++step) {
        changes[step]();
        replanLayers(layers, noTop.fastPaths, kept);
        auto whole = makeCanvasPixels();
        auto under = makeCanvasPixels();
        composeCanvas(nullptr, layers, *whole);
        composeCanvasUnder(*blank, kept.plans, noTop, *under);
        ASSERT_EQ(*under, *whole) << "after change " << step;
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
    if (!kernelFeatures().fastPaths)
        GTEST_SKIP() << "unturned layers are copied only on the fast paths, switched off here";
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
