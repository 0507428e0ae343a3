// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/layer_placement.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "imaging/pixels.h"

namespace kelvaro {
namespace {

struct Turn {
    double cosine;
    double sine;
};

// Cosine and sine of 0, 90, 180 and 270 degrees, exact.
constexpr Turn kQuarterTurns[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

Turn turnOf(int degrees) {
    if (degrees % 90 == 0)
        return kQuarterTurns[degrees / 90];
    const double radians = degrees * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

std::int64_t toFixed(double value) {
    return std::llround(value * static_cast<double>(kFixedOne));
}

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Whole i in [first, last) with low < start + i * step < high.
ColumnSpan openRange(std::int64_t start, std::int64_t step, std::int64_t low, std::int64_t high) {
    constexpr std::int64_t kAll = kCanvasSize;
    if (step == 0)
        return (low < start && start < high) ? ColumnSpan{0, kCanvasSize} : ColumnSpan{};
    if (step < 0)
        return openRange(-start, -step, -high, -low);
    const std::int64_t first = floorDivide(low - start, step) + 1;
    const std::int64_t last = -floorDivide(start - high, step);  // ceiling of (high - start) / step
    return {static_cast<int>(std::clamp<std::int64_t>(first, 0, kAll)),
            static_cast<int>(std::clamp<std::int64_t>(last, 0, kAll))};
}

}  // namespace

LayerPlacement placeLayer(int x, int y, int angle) {
    const int degrees = ((angle % 360) + 360) % 360;
    const Turn turn = turnOf(degrees);
    // Inverse rotation: (dx, dy) -> (dx cos + dy sin, -dx sin + dy cos).
    constexpr double kFromPivot = 0.5 - kPivot;  // centre of canvas pixel 0 relative to the pivot
    const double turnedX = kFromPivot * turn.cosine + kFromPivot * turn.sine;
    const double turnedY = -kFromPivot * turn.sine + kFromPivot * turn.cosine;
    // Back from the pivot, into the layer, and half a pixel to the pixel-centre convention.
    const std::int64_t shiftX =
        (std::int64_t{2 * kPivot - 1} - 2 * std::int64_t{x}) * kFixedOne / 2;
    const std::int64_t shiftY =
        (std::int64_t{2 * kPivot - 1} - 2 * std::int64_t{y}) * kFixedOne / 2;
    LayerPlacement place;
    place.originX = toFixed(turnedX) + shiftX;
    place.originY = toFixed(turnedY) + shiftY;
    place.columnStepX = toFixed(turn.cosine);
    place.columnStepY = toFixed(-turn.sine);
    place.rowStepX = toFixed(turn.sine);
    place.rowStepY = toFixed(turn.cosine);
    place.quarterTurns = degrees % 90 == 0 ? degrees / 90 : -1;
    return place;
}

std::int64_t sampleX(const LayerPlacement& place, int column, int row) {
    return place.originX + column * place.columnStepX + row * place.rowStepX;
}

std::int64_t sampleY(const LayerPlacement& place, int column, int row) {
    return place.originY + column * place.columnStepY + row * place.rowStepY;
}

PixelBox reachablePixels(const LayerPlacement& place, TapReach reach) {
    constexpr int kLast = kCanvasSize - 1;
    // The sample coordinates are linear in column and row, so the corners hold the extremes.
    const std::int64_t xs[] = {sampleX(place, 0, 0), sampleX(place, kLast, 0),
                               sampleX(place, 0, kLast), sampleX(place, kLast, kLast)};
    const std::int64_t ys[] = {sampleY(place, 0, 0), sampleY(place, kLast, 0),
                               sampleY(place, 0, kLast), sampleY(place, kLast, kLast)};
    const auto [lowX, highX] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [lowY, highY] = std::minmax_element(std::begin(ys), std::end(ys));
    const auto clip = [](std::int64_t sample, int by) {
        return static_cast<int>(
            std::clamp<std::int64_t>((sample >> kFixedBits) + by, 0, kPartSize));
    };
    return {clip(*lowX, -reach.before), clip(*lowY, -reach.before), clip(*highX, reach.after + 1),
            clip(*highY, reach.after + 1)};
}

ColumnSpan columnSpan(const LayerPlacement& place, int row, const SampleWindow& window) {
    const ColumnSpan alongX =
        openRange(sampleX(place, 0, row), place.columnStepX, window.lowX, window.highX);
    const ColumnSpan alongY =
        openRange(sampleY(place, 0, row), place.columnStepY, window.lowY, window.highY);
    return {std::max(alongX.first, alongY.first), std::min(alongX.last, alongY.last)};
}

void columnSpans(const LayerPlacement& place, const SampleWindow& window,
                 std::span<ColumnSpan, kCanvasSize> spans) {
    const auto alongX = [&](int row) {
        return openRange(sampleX(place, 0, row), place.columnStepX, window.lowX, window.highX);
    };
    const auto alongY = [&](int row) {
        return openRange(sampleY(place, 0, row), place.columnStepY, window.lowY, window.highY);
    };
    const ColumnSpan fixedX = alongX(0);
    const ColumnSpan fixedY = alongY(0);
    for (int row = 0; row < kCanvasSize; ++row) {
        const ColumnSpan x = place.rowStepX == 0 ? fixedX : alongX(row);
        const ColumnSpan y = place.rowStepY == 0 ? fixedY : alongY(row);
        spans[static_cast<std::size_t>(row)] = {std::max(x.first, y.first),
                                                std::min(x.last, y.last)};
    }
}

}  // namespace kelvaro
