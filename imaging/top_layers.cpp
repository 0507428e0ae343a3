// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/top_layers.h"

#include <algorithm>

#include "imaging/draw_plans.h"

namespace kelvaro {

TopLayers planTopLayers(std::span<const CompositorLayer> layersBackToFront,
                        const CompositorOptions& options) {
    TopLayers top;
    top.fastPaths = fastPathsOf(options);
    top.plans = planLayers(layersBackToFront, top.fastPaths);
    top.shows.assign(top.plans.size(), true);
    if (top.plans.size() > kMaxCoverLevels)
        return top;  // too many to tell apart: nothing marked, as composeCanvasOver does
    top.firstLevel = kMaxCoverLevels - top.plans.size();
    if (top.fastPaths)
        top.shows = markOpaqueCoverUnder(top.plans, top.firstLevel, top.cover);
    return top;
}

namespace {

// Per canvas row, from the first to the last column the changing middle layers' spans reach.
RowRegion reachOfChanging(std::span<const LayerPlan> middle, const std::vector<bool>& changing) {
    RowRegion region{};
    for (std::size_t k = 0; k < middle.size(); ++k) {
        if (!changing[k])
            continue;
        for (int row = middle[k].firstRow; row < middle[k].lastRow; ++row) {
            const auto r = static_cast<std::size_t>(row);
            const ColumnSpan& span = middle[k].spans[r];
            if (span.empty())
                continue;
            region[r] = region[r].empty() ? span
                                          : ColumnSpan{std::min(region[r].first, span.first),
                                                       std::max(region[r].last, span.last)};
        }
    }
    return region;
}

// Leaves out of each row's region the columns at its ends that a top layer covers opaquely:
// there everything from that layer up is the same as in the steady canvas, which it replaces.
void trimCovered(const CoverMap& cover, RowRegion& region) {
    for (std::size_t row = 0; row < region.size(); ++row) {
        const std::uint8_t* marks = cover.data() + row * kCanvasSize;
        ColumnSpan& span = region[row];
        while (!span.empty() && marks[span.first] != 0)
            ++span.first;
        while (!span.empty() && marks[span.last - 1] != 0)
            --span.last;
        if (span.empty())
            span = {};
    }
}

// The steady canvas, with `below` inside the region: each row copied once, from either.
void startFromSteady(const CanvasPixels& below, const CanvasPixels& steady, const RowRegion& region,
                     CanvasPixels& out) {
    for (std::size_t row = 0; row < region.size(); ++row) {
        const std::size_t start = row * kCanvasSize;
        const ColumnSpan& span = region[row];
        const auto first = static_cast<std::size_t>(span.empty() ? kCanvasSize : span.first);
        const auto last = static_cast<std::size_t>(span.empty() ? kCanvasSize : span.last);
        std::copy(steady.begin() + start, steady.begin() + start + first, out.begin() + start);
        std::copy(below.begin() + start + first, below.begin() + start + last,
                  out.begin() + start + first);
        std::copy(steady.begin() + start + last, steady.begin() + start + kCanvasSize,
                  out.begin() + start + last);
    }
}

void clipPlans(std::span<const LayerPlan> plans, const RowRegion& region,
               std::vector<LayerPlan>& clipped) {
    clipped.resize(plans.size());
    for (std::size_t k = 0; k < plans.size(); ++k)
        clipPlan(plans[k], region, clipped[k]);
}

// composeCanvasUnder from the steady canvas: only the changing layers' reach is drawn again.
void composeInReach(const CanvasPixels& below, std::span<const LayerPlan> middle,
                    const TopLayers& top, CanvasPixels& out) {
    // Scratch kept between calls, always rewritten before it is read.
    thread_local std::vector<LayerPlan> clippedMiddle;
    thread_local std::vector<LayerPlan> clippedTop;
    RowRegion region = reachOfChanging(middle, top.changing);
    trimCovered(top.cover, region);
    startFromSteady(below, *top.steady, region, out);
    clipPlans(middle, region, clippedMiddle);
    clipPlans(top.plans, region, clippedTop);
    CoverMap cover = top.cover;
    const std::vector<bool> shows = markOpaqueCoverUnder(clippedMiddle, 0, cover);
    drawPlans(clippedMiddle, shows, 0, cover, out);
    drawPlans(clippedTop, top.shows, top.firstLevel, cover, out);
}

}  // namespace

void composeCanvasUnder(const CanvasPixels& below, std::span<const LayerPlan> middle,
                        const TopLayers& top, CanvasPixels& out) {
    if (top.steady && top.fastPaths && middle.size() == top.changing.size() &&
        middle.size() <= top.firstLevel) {
        composeInReach(below, middle, top, out);
        return;
    }
    out = below;
    if (!top.fastPaths || middle.size() > top.firstLevel) {
        // Without cover marks every pixel is drawn, the levels do not matter.
        static const CoverMap kNoCover{};
        drawPlans(middle, std::vector<bool>(middle.size(), true), 0, kNoCover, out);
        drawPlans(top.plans, std::vector<bool>(top.plans.size(), true), middle.size(), kNoCover,
                  out);
        return;
    }
    CoverMap cover = top.cover;
    const std::vector<bool> shows = markOpaqueCoverUnder(middle, 0, cover);
    drawPlans(middle, shows, 0, cover, out);
    drawPlans(top.plans, top.shows, top.firstLevel, cover, out);
}

void composeSteadyCanvas(const CanvasPixels& below, std::span<const CompositorLayer> middle,
                         const std::vector<bool>& changing, TopLayers& top) {
    std::vector<CompositorLayer> steadyLayers(middle.begin(), middle.end());
    for (std::size_t k = 0; k < steadyLayers.size(); ++k)
        if (changing[k])
            steadyLayers[k] = {};
    top.steady.reset();
    auto steady = makeCanvasPixels();
    composeCanvasUnder(below, planLayers(steadyLayers, top.fastPaths), top, *steady);
    top.steady = std::move(steady);
    top.changing = changing;
}

}  // namespace kelvaro
