// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Finding the canvas pixels that a layer covers opaquely, so that nothing beneath them needs
// drawing: where a layer's sample has alpha 255, blending it replaces whatever lies below, so
// skipping the lower layers there gives exactly the same pixels.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "imaging/layer_plan.h"

namespace kelvaro {

// Per canvas pixel: the level (plan index + 1) of the highest layer covering it opaquely, 0 for
// none. Layers whose level is below a pixel's cover level need not draw that pixel.
using CoverMap = std::array<std::uint8_t, kCanvasPixelCount>;

// The largest number of layers the cover map can tell apart.
inline constexpr std::size_t kMaxCoverLevels = 255;

// Fills `cover` from the plans (back to front) and tells for each plan whether any of its
// pixels is not covered by a layer above it. A pixel counts as covered when every tap of its
// sample is opaque, which makes the sample exactly opaque.
std::vector<bool> markOpaqueCover(std::span<const LayerPlan> plans, CoverMap& cover);

// Marks the plans (back to front, levels firstLevel + 1, firstLevel + 2, ...) into `cover`, which
// already holds the marks of layers above them (all levels above the plans'), without clearing
// it; tells for each plan whether any of its pixels is left open. Requires firstLevel +
// plans.size() <= kMaxCoverLevels.
std::vector<bool> markOpaqueCoverUnder(std::span<const LayerPlan> plans, std::size_t firstLevel,
                                       CoverMap& cover);

}  // namespace kelvaro
