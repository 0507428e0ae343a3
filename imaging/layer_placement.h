// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where a layer's pixels land on the canvas.
//
// A layer at position (x, y) turned by `angle` whole degrees (clockwise on screen) shows its
// point q at canvas point R(angle) (q + (x, y) - (95, 95)) + (95, 95). Composition walks the
// canvas and maps each pixel centre (i + 0.5, j + 0.5) back into the layer. The result is a
// sample coordinate in layer pixel indices (layer pixel u has its centre at sample coordinate u),
// kept in 16.16 fixed point and linear in i and j.
#pragma once

#include <cstdint>
#include <span>

#include "imaging/layer_bounds.h"

namespace kelvaro {

inline constexpr int kFixedBits = 16;
inline constexpr std::int64_t kFixedOne = std::int64_t{1} << kFixedBits;

// The pivot every layer turns about, in canvas coordinates.
inline constexpr int kPivot = 95;

struct LayerPlacement {
    std::int64_t originX = 0;  // sample coordinate of canvas pixel (0, 0)
    std::int64_t originY = 0;
    std::int64_t columnStepX = kFixedOne;  // change per canvas column (i + 1)
    std::int64_t columnStepY = 0;
    std::int64_t rowStepX = 0;  // change per canvas row (j + 1)
    std::int64_t rowStepY = kFixedOne;
    int quarterTurns = 0;  // 0..3 when the angle is a multiple of 90 degrees, -1 otherwise
};

// Any angle is accepted; it is reduced to 0..359 first. Multiples of 90 degrees use exact sines.
LayerPlacement placeLayer(int x, int y, int angle);

// Sample coordinates lying strictly between the bounds on both axes (16.16 fixed point).
struct SampleWindow {
    std::int64_t lowX, highX, lowY, highY;
};

// Canvas columns [first, last) of one row whose sample coordinate lies inside the window.
struct ColumnSpan {
    int first = 0;
    int last = 0;
    bool empty() const { return last <= first; }
};
ColumnSpan columnSpan(const LayerPlacement& place, int row, const SampleWindow& window);

// columnSpan of every canvas row, in `spans`; the range along an axis the rows do not move
// along (unturned layers along x, quarter-turned ones along y) is worked out once.
void columnSpans(const LayerPlacement& place, const SampleWindow& window,
                 std::span<ColumnSpan, kCanvasSize> spans);

// The image pixels that any canvas pixel's sample can read: `before` pixels before and `after`
// pixels after the pixel holding the sample coordinate, clipped to the image.
struct TapReach {
    int before;
    int after;
};
PixelBox reachablePixels(const LayerPlacement& place, TapReach reach);

// Sample coordinate of canvas pixel (column, row), one axis at a time.
std::int64_t sampleX(const LayerPlacement& place, int column, int row);
std::int64_t sampleY(const LayerPlacement& place, int column, int row);

}  // namespace kelvaro
