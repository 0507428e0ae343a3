// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The visible box of a layer image, which decides what composition visits.
#include <gtest/gtest.h>

#include "imaging/layer_bounds.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

TEST(CompositorBounds, VisibleBoxHoldsExactlyThePixelsWithAlpha) {
    struct Case {
        std::vector<std::pair<int, int>> visible;  // pixels with alpha 1; all others alpha 0
        PixelBox expected;
    };
    const Case cases[] = {
        {{}, {}},
        {{{0, 0}}, {0, 0, 1, 1}},
        {{{229, 229}}, {229, 229, 230, 230}},
        {{{5, 200}, {100, 7}}, {5, 7, 101, 201}},
        {{{229, 0}, {0, 229}}, {0, 0, 230, 230}},
        {{{50, 60}, {51, 60}, {50, 61}}, {50, 60, 52, 62}},
    };
    for (const Case& c : cases) {
        // Colour without alpha everywhere must not count as visible.
        const auto part = makePart([&](int u, int v) {
            for (const auto& [x, y] : c.visible)
                if (u == x && v == y)
                    return 0x01000000u;
            return 0x00ffffffu;
        });
        EXPECT_EQ(visibleBounds(*part), c.expected) << c.visible.size();
    }
}

}  // namespace
}  // namespace kelvaro::test
