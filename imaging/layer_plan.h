// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What composition works out once per layer before touching pixels: where the layer lands, which
// part of it can show, and which kernel draws it.
#pragma once

#include <array>
#include <vector>

#include "imaging/compositor.h"
#include "imaging/layer_bounds.h"
#include "imaging/layer_placement.h"
#include "imaging/span_kernels.h"

namespace kelvaro {

struct LayerPlan {
    const PartPixels* image = nullptr;
    LayerPlacement place;
    PixelBox box;           // visible pixels of the image
    SampleWindow window{};  // sample coordinates that can pick up a visible pixel
    SpanKernel kernel = nullptr;
    bool copies = false;  // whole-pixel samples (a copy kernel)
    int firstRow = 0;     // canvas rows [firstRow, lastRow) the layer reaches
    int lastRow = 0;
    // Per canvas row: the columns whose sample lies in the window (set for every row).
    std::array<ColumnSpan, kCanvasSize> spans{};
};

// Plans of the layers that can show, back to front: absent layers, fully transparent ones and
// those falling wholly outside the canvas are left out. Kernels come from the table of fast paths
// the kernel features choose (kernel_choice.h), the first whose conditions hold; with fast paths
// off (here or there), the portable cubic kernel.
std::vector<LayerPlan> planLayers(std::span<const CompositorLayer> layers, bool fastPaths);

// The premultiplied patch of the plan's visible box with its transparent margin.
struct Patch {
    const Argb* pixels;
    int stride;
    int left;  // image coordinates of patch pixel 0
    int top;
};
Patch buildPatch(const LayerPlan& plan, std::vector<Argb>& storage);

}  // namespace kelvaro
