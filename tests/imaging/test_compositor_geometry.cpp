// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where layers land: pivot, positions, angles, the exact copy at angle 0, stacking order.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "imaging/blend.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

// Opaque white square of pixels 110..119, centred on the middle (115, 115) of the image.
std::unique_ptr<PartPixels> middleMarker() {
    return makePart([](int u, int v) {
        return (u >= 110 && u < 120 && v >= 110 && v < 120) ? 0xffffffffu : 0u;
    });
}

struct Centroid {
    double x = 0;
    double y = 0;
    double weight = 0;
};

// Alpha-weighted mean of the canvas pixel centres.
Centroid centroidOf(const CanvasPixels& canvas) {
    Centroid c;
    for (int j = 0; j < kCanvasSize; ++j) {
        for (int i = 0; i < kCanvasSize; ++i) {
            const double a = alphaOf(canvasAt(canvas, i, j));
            c.x += a * (i + 0.5);
            c.y += a * (j + 0.5);
            c.weight += a;
        }
    }
    return {c.x / c.weight, c.y / c.weight, c.weight};
}

TEST(CompositorGeometry, MiddleOfLayerLandsWhereTheRotationAboutThePivotPutsIt) {
    const auto marker = middleMarker();
    struct Case {
        int x, y, angle;
        double middleX, middleY;
    };
    const Case cases[] = {
        {-19, -19, 0, 96, 96},
        {-19, -19, 90, 94, 96},
        {-19, -19, 180, 94, 94},
        {-19, -19, 270, 96, 94},
        {-9, -19, 180, 84, 94},
        {-19, -19, 450, 94, 96},
        {-19, -19, -270, 94, 96},
        {-19, -19, 3600, 96, 96},
        {-19, -19, 30, 95.3660, 96.3660},
        {-9, -19, 330, 105.0263, 90.3660},
        {0, 0, 0, 115, 115},
        {-19, -19, 359, 96.0172, 95.9827},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " angle " << c.angle);
        const CompositorLayer layer{marker.get(), c.x, c.y, c.angle};
        const Centroid centre = centroidOf(*compose(nullptr, {&layer, 1}));
        EXPECT_NEAR(centre.x, c.middleX, 0.01);
        EXPECT_NEAR(centre.y, c.middleY, 0.01);
        EXPECT_NEAR(centre.weight, 100 * 255, 100 * 255 * 0.01);  // no coverage gained or lost
    }
}

TEST(CompositorGeometry, QuarterTurnsMoveTheMarkerExactly) {
    const auto marker = middleMarker();
    struct Case {
        int angle, left, top;  // the marker's canvas pixels: left..left+9, top..top+9
    };
    const Case cases[] = {{0, 91, 91}, {90, 89, 91}, {180, 89, 89}, {270, 91, 89}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const CompositorLayer layer{marker.get(), -19, -19, c.angle};
        const auto canvas = compose(nullptr, {&layer, 1});
        for (int j = 0; j < kCanvasSize; ++j) {
            for (int i = 0; i < kCanvasSize; ++i) {
                const bool inside = i >= c.left && i < c.left + 10 && j >= c.top && j < c.top + 10;
                ASSERT_EQ(canvasAt(*canvas, i, j), inside ? 0xffffffffu : 0u) << i << "," << j;
            }
        }
    }
}

TEST(CompositorGeometry, UnturnedDefaultLayerCopiesImagePixels19To210) {
    const auto part = makePart([](int u, int v) {
        return makeArgb(static_cast<std::uint32_t>((u * 7 + v * 3) % 256),
                        static_cast<std::uint32_t>(u), static_cast<std::uint32_t>(v),
                        static_cast<std::uint32_t>((u ^ v) & 0xff));
    });
    for (const bool fast : {true, false}) {
        const CompositorLayer layer{part.get(), -19, -19, 0};
        const auto canvas = compose(nullptr, {&layer, 1}, fast);
        for (int j = 0; j < kCanvasSize; ++j)
            for (int i = 0; i < kCanvasSize; ++i)
                ASSERT_EQ(
                    canvasAt(*canvas, i, j),
                    premultiply((*part)[static_cast<std::size_t>((j + 19) * kPartSize + i + 19)]))
                    << i << "," << j << " fast " << fast;
    }
}

TEST(CompositorGeometry, LayersPartlyOrWhollyOutsideTheCanvas) {
    const auto solid = makePart([](int, int) { return 0xff336699u; });
    auto wall = makeCanvasPixels();
    wall->fill(0xff101010u);
    struct Case {
        int x, y, angle;
        int coveredLeft, coveredTop;  // unturned: canvas pixels from here on are covered
    };
    const Case cases[] = {
        {150, 180, 0, 150, 180},          {-229, -229, 0, 0, 0},    {1000, 0, 0, 192, 192},
        {-1000, 50, 0, 192, 192},         {500, 500, 45, 192, 192}, {INT_MAX, INT_MIN, 0, 192, 192},
        {INT_MIN, INT_MAX, 37, 192, 192}, {-230, 0, 0, 192, 192},   {0, 192, 0, 192, 192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " angle " << c.angle);
        const CompositorLayer layer{solid.get(), c.x, c.y, c.angle};
        for (const bool fast : {true, false}) {
            const auto canvas = compose(wall.get(), {&layer, 1}, fast);
            for (int j = 0; j < kCanvasSize; ++j)
                for (int i = 0; i < kCanvasSize; ++i) {
                    const bool covered =
                        (c.x == -229 ? i == 0 && j == 0 : i >= c.coveredLeft && j >= c.coveredTop);
                    ASSERT_EQ(canvasAt(*canvas, i, j), covered ? 0xff336699u : 0xff101010u)
                        << i << "," << j;
                }
        }
    }
}

TEST(CompositorGeometry, AnglesDifferingByWholeTurnsGiveTheSamePixels) {
    const auto part = makePart([](int u, int v) {
        return ((u / 9 + v / 13) % 3 == 0) ? 0u
                                           : makeArgb(200, static_cast<std::uint32_t>(u), 40,
                                                      static_cast<std::uint32_t>(v));
    });
    struct Case {
        int angle, same;
    };
    const Case cases[] = {{359, -1},      {3600, 0},       {-3570, 30},    {450, 90},
                          {INT_MAX, 127}, {INT_MIN, -128}, {720 + 37, 37}, {-90, 270}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        const CompositorLayer a{part.get(), -12, -25, c.angle};
        const CompositorLayer b{part.get(), -12, -25, c.same};
        EXPECT_EQ(*compose(nullptr, {&a, 1}), *compose(nullptr, {&b, 1}));
    }
}

}  // namespace
}  // namespace kelvaro::test
