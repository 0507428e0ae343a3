// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Layers that stay as they are from one composition to the next above layers that change (the
// gallery's cells differ only in the current element's layers): planned, and the canvas pixels
// they cover opaquely marked, once. Composing the changing layers under them then plans and marks
// only those, and draws everything back to front as composeCanvasOver does: the same pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "imaging/compositor.h"
#include "imaging/layer_plan.h"
#include "imaging/opaque_cover.h"

namespace kelvaro {

// The premultiplied samples of one top layer where its plan draws, kept to be blended again: the
// rectangle from its first to its last row and from the first to the last column of its spans,
// row by row, width pixels a row.
struct SampledLayer {
    std::vector<Argb> pixels;  // empty: the layer draws nothing
    int left = 0;
    int top = 0;
    int width = 0;
};

// Invariant: plans, shows and cover were worked out together from the same layers; the layers'
// images are read again when drawing, so their pixels must stay as they were when planned.
struct TopLayers {
    std::vector<LayerPlan> plans;  // back to front
    std::vector<bool> shows;       // per plan: some pixel is not covered by a plan above it
    // Per canvas pixel the level of the highest plan covering it opaquely (plan k has level
    // firstLevel + k + 1, the highest levels there are), 0 for none; all 0 without fast paths.
    CoverMap cover{};
    std::size_t firstLevel = 0;
    bool fastPaths = true;
    // Set by composeSteadyCanvas: the canvas below with the middle layers that do not change and
    // the top layers composed over it, which middle layers change (one per middle layer), and
    // each plan's samples (one per plan), so that redrawing a top layer only blends.
    std::unique_ptr<CanvasPixels> steady;
    std::vector<bool> changing;
    std::vector<SampledLayer> sampled;
    std::uint64_t stamp = 0;  // the steady canvas's own number in the process; 0 before it is made
};

// Plans `layersBackToFront` (fast paths as composeCanvasOver takes them from `options`).
TopLayers planTopLayers(std::span<const CompositorLayer> layersBackToFront,
                        const CompositorOptions& options = {});

// Exactly composeCanvasOver(below, middle layers followed by the layers `top` was planned from,
// out, options) when `middle` are the plans of the middle layers made with top.fastPaths
// (planLayers, or replanLayers, whose empty plans draw nothing) and `top` was planned with the
// same options.
void composeCanvasUnder(const CanvasPixels& below, std::span<const LayerPlan> middle,
                        const TopLayers& top, CanvasPixels& out);

// Composes once, into top.steady, what composeCanvasUnder gives wherever no changing middle layer
// reaches: `below` with the middle layers whose `changing` is false and the top layers over it.
// From then on composeCanvasUnder, given one plan per middle layer (replanLayers) that differ
// from `middle` in the changing layers alone, starts from the steady canvas and draws only the
// canvas rows' columns the changing layers reach (from the first to the last column of their
// spans, less the columns at either end a top layer covers opaquely, where the steady canvas
// holds the very pixels): everything back to front there over `below`, the same pixels as
// drawing everything. The top layers are blended there from the samples kept: a sample does not
// depend on the canvas it is blended over.
// Requires changing.size() == middle.size().
void composeSteadyCanvas(const CanvasPixels& below, std::span<const CompositorLayer> middle,
                         const std::vector<bool>& changing, TopLayers& top);

// A canvas kept from one composeCanvasUnder to the next: outside the rows' columns it was last
// drawn in it holds the steady canvas numbered steadyStamp (0: nothing known of it), so that the
// next composition under the same top layers copies only what differs from the last.
struct KeptCanvas {
    std::unique_ptr<CanvasPixels> pixels = makeCanvasPixels();
    std::uint64_t steadyStamp = 0;
    RowRegion drawn{};
};

// composeCanvasUnder into a kept canvas: the same pixels in out.pixels.
void composeCanvasUnder(const CanvasPixels& below, std::span<const LayerPlan> middle,
                        const TopLayers& top, KeptCanvas& out);

}  // namespace kelvaro
