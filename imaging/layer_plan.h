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

// Per canvas row the columns [first, last) composition may draw in (an empty span: none).
using RowRegion = std::array<ColumnSpan, kCanvasSize>;

// `plan` with every row's span cut to the region's, into `clipped` (empty, with no rows, when
// nothing is left). Drawing the clipped plan draws exactly the plan's pixels inside the region.
void clipPlan(const LayerPlan& plan, const RowRegion& region, LayerPlan& clipped);

// Whether two layers are the same image at the same place, turn and box: with the same pixels
// and the same box given, they have the same plan.
bool sameLayer(const CompositorLayer& a, const CompositorLayer& b);

// One plan per layer, kept from one composition to the next: a layer that cannot show has an
// empty plan (no image, no rows, a copy: nothing to mark or draw).
struct KeptPlans {
    std::vector<CompositorLayer> layers;  // what each plan was made from
    std::vector<LayerPlan> plans;
    bool fastPaths = true;
};

// Brings `kept` up to `layers`: plans again only the layers that differ from those the kept plans
// were made from (image, position, turn or box), and every layer without a box given (its plan
// depends on its pixels). A plan depends on the layer's pixels only through the box, so a kept
// plan is exactly what planLayers would make.
void replanLayers(std::span<const CompositorLayer> layers, bool fastPaths, KeptPlans& kept);

// The premultiplied patch of the plan's visible box with its transparent margin.
struct Patch {
    const Argb* pixels;
    int stride;
    int left;  // image coordinates of patch pixel 0
    int top;
};
Patch buildPatch(const LayerPlan& plan, std::vector<Argb>& storage);

}  // namespace kelvaro
