// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Composition looks for visible pixels only where some canvas sample can read them: the visible
// box inside a search region, and the region each placement reaches.
#include <gtest/gtest.h>

#include <array>

#include "imaging/layer_bounds.h"
#include "imaging/layer_placement.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

TEST(CompositorReach, VisibleBoxInsideARegionIgnoresPixelsOutsideIt) {
    // Visible pixels at (10, 10), (50, 60) and (200, 220); colour without alpha elsewhere.
    const auto part = makePart([](int u, int v) {
        const bool visible = (u == 10 && v == 10) || (u == 50 && v == 60) || (u == 200 && v == 220);
        return visible ? 0x01000000u : 0x00ffffffu;
    });
    struct Case {
        PixelBox within;
        PixelBox expected;
    };
    const Case cases[] = {
        {kWholePart, {10, 10, 201, 221}},
        {{11, 0, 230, 230}, {50, 60, 201, 221}},
        {{0, 0, 200, 230}, {10, 10, 51, 61}},
        {{50, 60, 51, 61}, {50, 60, 51, 61}},
        {{51, 0, 200, 230}, {}},
        {{20, 20, 20, 40}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(visibleBounds(*part, c.within), c.expected)
            << c.within.left << "," << c.within.top << "," << c.within.right << ","
            << c.within.bottom;
}

TEST(CompositorReach, PlacementsReachThePixelsTheirSamplesRead) {
    struct Case {
        int x, y, angle;
        TapReach reach;
        PixelBox expected;
    };
    const Case cases[] = {
        // Unturned at the default place: image pixels 19..210 land on canvas pixels 0..191; a cubic
        // also reads one pixel before and two after.
        {-19, -19, 0, {0, 0}, {19, 19, 211, 211}},
        {-19, -19, 0, {1, 2}, {18, 18, 213, 213}},
        // Shifted so that the canvas starts before the image: clipped to the image; canvas pixel
        // (i, j) reads image pixel (i - 10, j - 100) and the two after it.
        {10, 100, 0, {1, 2}, {0, 0, 184, 94}},
        // A half turn about (95, 95): canvas pixel i reads image pixel 189 - i - x.
        {-19, -19, 180, {0, 0}, {17, 17, 209, 209}},
        // Turned 45 degrees the canvas corners reach past the image on every side.
        {-19, -19, 45, {1, 2}, {0, 0, 230, 230}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reachablePixels(placeLayer(c.x, c.y, c.angle), c.reach), c.expected)
            << c.x << "," << c.y << " angle " << c.angle;
}

TEST(CompositorReach, PixelsJustInsideTheReachShowAndThoseOutsideDoNot) {
    // Unturned at (-19, -19): image column 19 is canvas column 0, column 18 is off the canvas.
    const auto part = makePart([](int u, int v) {
        if (v == 100 && (u == 18 || u == 19 || u == 210 || u == 211))
            return makeArgb(255, static_cast<std::uint32_t>(u), 0, 0);
        return 0u;
    });
    const CompositorLayer layer{part.get(), -19, -19, 0};
    const auto canvas = compose(nullptr, {&layer, 1});
    EXPECT_EQ(canvasAt(*canvas, 0, 81), makeArgb(255, 19, 0, 0));
    EXPECT_EQ(canvasAt(*canvas, 191, 81), makeArgb(255, 210, 0, 0));
    int shown = 0;
    for (const Argb p : *canvas)
        shown += p != 0 ? 1 : 0;
    EXPECT_EQ(shown, 2);
}

TEST(CompositorReach, SpansOfEveryRowAtOnceAreThoseOfEachRow) {
    // Unturned, quarter-turned and freely turned placements, windows inside, across and outside
    // the canvas's reach, and an empty one.
    const int placements[][3] = {{-19, -19, 0}, {7, -3, 90},  {-33, 11, 180}, {60, -60, 270},
                                 {-5, 13, 17},  {0, 0, -301}, {-200, 5, 0},   {250, 250, 90}};
    const SampleWindow windows[] = {
        {-kFixedOne, 230 * kFixedOne, -kFixedOne, 230 * kFixedOne},
        {40 * kFixedOne - 1, 90 * kFixedOne, 12 * kFixedOne, 13 * kFixedOne + 5},
        {-3 * kFixedOne, 70 * kFixedOne, 100 * kFixedOne, 400 * kFixedOne},
        {5 * kFixedOne, 5 * kFixedOne, 0, 230 * kFixedOne},
    };
    for (const auto& [x, y, angle] : placements) {
        const LayerPlacement place = placeLayer(x, y, angle);
        for (const SampleWindow& window : windows) {
            std::array<ColumnSpan, kCanvasSize> spans{};
            columnSpans(place, window, spans);
            for (int row = 0; row < kCanvasSize; ++row) {
                const ColumnSpan expected = columnSpan(place, row, window);
                const ColumnSpan& span = spans[static_cast<std::size_t>(row)];
                ASSERT_EQ(span.first, expected.first) << x << ", " << y << ", " << angle;
                ASSERT_EQ(span.last, expected.last) << x << ", " << y << ", " << angle;
            }
        }
    }
}

}  // namespace
}  // namespace kelvaro::test
