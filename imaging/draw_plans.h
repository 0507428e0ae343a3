// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The compositor's drawing loop over planned layers, shared by composition in one go and by
// composition under planned top layers (top_layers.h).
#pragma once

#include <span>
#include <vector>

#include "imaging/layer_plan.h"
#include "imaging/opaque_cover.h"

namespace kelvaro {

// Whether composition with `options` takes the fast paths (also switched off by kernel_choice.h).
bool fastPathsOf(const CompositorOptions& options);

// Draws the plans (back to front) whose `shows` is set over `out`, plan k at level firstLevel +
// k + 1 (at most kMaxCoverLevels), skipping the pixels `cover` gives a higher level.
void drawPlans(std::span<const LayerPlan> plans, const std::vector<bool>& shows,
               std::size_t firstLevel, const CoverMap& cover, CanvasPixels& out);

}  // namespace kelvaro
