// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/compositor.h"

#include <algorithm>

#include "imaging/draw_plans.h"
#include "imaging/kernel_choice.h"
#include "imaging/layer_plan.h"
#include "imaging/opaque_cover.h"

namespace kelvaro {
namespace {

// Where the kernel of a plan reads: its premultiplied patch or the image itself.
Patch sourceOf(const LayerPlan& plan, std::vector<Argb>& storage) {
    if (plan.copies)
        return {plan.image->data(), kPartSize, 0, 0};
    return buildPatch(plan, storage);
}

void drawLayer(const LayerPlan& plan, std::uint8_t level, const CoverMap& cover,
               std::vector<Argb>& storage, CanvasPixels& out) {
    const Patch source = sourceOf(plan, storage);
    SpanJob job;
    job.pixels = source.pixels;
    job.stride = source.stride;
    job.stepX = plan.place.columnStepX;
    job.stepY = plan.place.columnStepY;
    job.level = level;
    for (int row = plan.firstRow; row < plan.lastRow; ++row) {
        const ColumnSpan& span = plan.spans[static_cast<std::size_t>(row)];
        if (span.empty())
            continue;
        const int first = row * kCanvasSize + span.first;
        job.sampleX = sampleX(plan.place, span.first, row) - source.left * kFixedOne;
        job.sampleY = sampleY(plan.place, span.first, row) - source.top * kFixedOne;
        job.count = span.last - span.first;
        job.out = out.data() + first;
        job.cover = cover.data() + first;
        plan.kernel(job);
    }
}

// A premultiplied pixel over opaque black: its colour bytes with alpha 255.
Argb overOpaqueBlack(Argb pixel) {
    return pixel | 0xff000000u;
}

// Draws the layers over what `out` holds; pixels covered opaquely by a higher layer are left to it.
void drawLayers(std::span<const CompositorLayer> layersBackToFront, bool fastPaths,
                CanvasPixels& out) {
    const std::vector<LayerPlan> plans = planLayers(layersBackToFront, fastPaths);
    CoverMap cover;
    std::vector<bool> shows(plans.size(), true);
    if (fastPaths)
        shows = markOpaqueCover(plans, cover);
    else
        cover.fill(0);
    drawPlans(plans, shows, 0, cover, out);
}

}  // namespace

bool fastPathsOf(const CompositorOptions& options) {
    return options.fastPaths && kernelFeatures().fastPaths;
}

void drawPlans(std::span<const LayerPlan> plans, const std::vector<bool>& shows,
               std::size_t firstLevel, const CoverMap& cover, CanvasPixels& out) {
    // Scratch for one layer's patch at a time; always rewritten before it is read.
    thread_local std::vector<Argb> patchStorage;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        const auto level = static_cast<std::uint8_t>(std::min(firstLevel + k + 1, kMaxCoverLevels));
        if (shows[k] && plans[k].firstRow < plans[k].lastRow)
            drawLayer(plans[k], level, cover, patchStorage, out);
    }
}

void composeCanvas(const CanvasPixels* wall, std::span<const CompositorLayer> layersBackToFront,
                   CanvasPixels& out, const CompositorOptions& options) {
    if (wall != nullptr)
        out = *wall;
    else
        out.fill(0);
    if (options.opaqueBase)
        std::transform(out.begin(), out.end(), out.begin(), overOpaqueBlack);
    drawLayers(layersBackToFront, fastPathsOf(options), out);
}

void composeCanvasOver(const CanvasPixels& below,
                       std::span<const CompositorLayer> layersBackToFront, CanvasPixels& out,
                       const CompositorOptions& options) {
    out = below;
    drawLayers(layersBackToFront, fastPathsOf(options), out);
}

}  // namespace kelvaro
