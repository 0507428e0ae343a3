// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Order, wall, absent inputs and purity of composition.
#include <gtest/gtest.h>

#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

constexpr Argb kRed = 0xffff0000u;
constexpr Argb kBlue = 0xff0000ffu;
constexpr Argb kGreenWall = 0xff00ff00u;

bool inSquare(int u, int v) {
    return u >= 100 && u < 140 && v >= 100 && v < 140;
}

TEST(CompositorStacking, LastLayerCoversFirstIsLowest) {
    const auto red = makePart([](int, int) { return kRed; });
    const auto blueSquare = makePart([](int u, int v) { return inSquare(u, v) ? kBlue : 0u; });
    const CompositorLayer redLayer{red.get(), -19, -19, 0};
    const CompositorLayer blueLayer{blueSquare.get(), -19, -19, 0};
    struct Case {
        std::vector<CompositorLayer> layers;
        Argb insideSquare, outsideSquare;
    };
    const Case cases[] = {
        {{redLayer, blueLayer}, kBlue, kRed},
        {{blueLayer, redLayer}, kRed, kRed},
        {{blueLayer}, kBlue, kGreenWall},
        {{blueLayer, {nullptr, 0, 0, 0}, redLayer, {nullptr, 5, 5, 45}}, kRed, kRed},
        {{{nullptr, 0, 0, 0}, blueLayer}, kBlue, kGreenWall},
    };
    auto wall = makeCanvasPixels();
    wall->fill(kGreenWall);
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE(n);
        const auto canvas = compose(wall.get(), cases[n].layers);
        EXPECT_EQ(canvasAt(*canvas, 81 + 5, 81 + 7), cases[n].insideSquare);
        EXPECT_EQ(canvasAt(*canvas, 80, 100), cases[n].outsideSquare);
        EXPECT_EQ(canvasAt(*canvas, 121, 81), cases[n].outsideSquare);
    }
}

TEST(CompositorStacking, TranslucentLayerBlendsOverWallWithRounding) {
    struct Case {
        Argb wall, layer, expected;
    };
    const Case cases[] = {
        {kGreenWall, 0x80ff0000u, 0xff807f00u},   // red 128 + green 255 * 127 / 255
        {0u, 0x80ff0000u, 0x80800000u},           // absent-wall colour: nothing beneath
        {0x80404040u, 0x40ffffffu, 0xa0707070u},  // 64 + 64*191/255, 64 + 128*191/255
        {kGreenWall, 0x00ffffffu, kGreenWall},    // transparent colour leaves the wall
        {kGreenWall, 0xff123456u, 0xff123456u},   // opaque replaces
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.wall << " " << c.layer);
        auto wall = makeCanvasPixels();
        wall->fill(c.wall);
        const auto part = makePart([&](int, int) { return c.layer; });
        const CompositorLayer layer{part.get(), -19, -19, 0};
        EXPECT_EQ(canvasAt(*compose(wall.get(), {&layer, 1}), 50, 60), c.expected);
    }
}

TEST(CompositorStacking, AbsentWallStartsTransparent) {
    const auto canvas = compose(nullptr, {});
    EXPECT_EQ(*canvas, CanvasPixels{});
    auto wall = makeCanvasPixels();
    for (std::size_t n = 0; n < wall->size(); ++n)
        (*wall)[n] = static_cast<Argb>(n * 2654435761u) | 0xff000000u;
    const std::vector<CompositorLayer> absent{{nullptr, -19, -19, 0}, {nullptr, 3, 4, 45}};
    EXPECT_EQ(*compose(wall.get(), absent), *wall);
}

TEST(CompositorStacking, ComposingTwiceGivesTheSameBufferAndChangesNoInput) {
    const auto part = makePart([](int u, int v) {
        return (u * v) % 7 == 0 ? 0u
                                : makeArgb(static_cast<std::uint32_t>(u), 90,
                                           static_cast<std::uint32_t>(v), 255);
    });
    const PartPixels partBefore = *part;
    auto wall = makeCanvasPixels();
    wall->fill(0xff203040u);
    const CanvasPixels wallBefore = *wall;
    const std::vector<CompositorLayer> layers{
        {part.get(), -19, -19, 17}, {part.get(), -40, 3, 0}, {part.get(), 10, -19, 270}};
    auto out = makeCanvasPixels();
    out->fill(0x12345678u);  // whatever the buffer held before is overwritten
    composeCanvas(wall.get(), layers, *out);
    const CanvasPixels first = *out;
    composeCanvas(wall.get(), layers, *out);
    EXPECT_EQ(*out, first);
    EXPECT_EQ(*part, partBefore);
    EXPECT_EQ(*wall, wallBefore);
    EXPECT_NE(first, wallBefore);
}

}  // namespace
}  // namespace kelvaro::test
