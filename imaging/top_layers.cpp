// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/top_layers.h"

#include <algorithm>
#include <atomic>

#include "imaging/draw_plans.h"
#include "imaging/kernel_choice.h"
#include "imaging/span_kernels.h"

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

// Every canvas row whole.
constexpr RowRegion wholeRows() {
    RowRegion rows{};
    for (ColumnSpan& span : rows)
        span = {0, kCanvasSize};
    return rows;
}

// The steady canvas, with `below` inside the region: `out` holds the steady canvas outside the
// `kept` region already (null: nowhere), so only the columns of that region outside the new one
// are copied back from it, and the new region's from `below`.
void startFromSteady(const CanvasPixels& below, const CanvasPixels& steady, const RowRegion& region,
                     const RowRegion* kept, CanvasPixels& out) {
    static constexpr RowRegion kWholeRows = wholeRows();
    const RowRegion& before = kept != nullptr ? *kept : kWholeRows;
    for (std::size_t row = 0; row < region.size(); ++row) {
        const auto start = static_cast<std::ptrdiff_t>(row * kCanvasSize);
        const auto copy = [&](const CanvasPixels& from, int first, int last) {
            if (first < last)
                std::copy(from.begin() + start + first, from.begin() + start + last,
                          out.begin() + start + first);
        };
        const ColumnSpan& now = region[row];
        const ColumnSpan& was = before[row];
        if (now.empty()) {
            copy(steady, was.first, was.last);
            continue;
        }
        copy(steady, was.first, std::min(was.last, now.first));
        copy(steady, std::max(was.first, now.last), was.last);
        copy(below, now.first, now.last);
    }
}

void clipPlans(std::span<const LayerPlan> plans, const RowRegion& region,
               std::vector<LayerPlan>& clipped) {
    clipped.resize(plans.size());
    for (std::size_t k = 0; k < plans.size(); ++k)
        clipPlan(plans[k], region, clipped[k]);
}

// The kernel blending samples kept.
SpanKernel sampleBlendKernel() {
#ifdef KELVARO_X86
    if (kernelFeatures().avx2)
        return blendSpanAvx2;
#endif
    return blendSpan;
}

// The columns from the first to the last of the plan's spans.
ColumnSpan columnsOf(const LayerPlan& plan) {
    ColumnSpan columns{kCanvasSize, 0};
    for (int row = plan.firstRow; row < plan.lastRow; ++row) {
        const ColumnSpan& span = plan.spans[static_cast<std::size_t>(row)];
        if (span.empty())
            continue;
        columns.first = std::min(columns.first, span.first);
        columns.last = std::max(columns.last, span.last);
    }
    return columns;
}

// The plan's samples: the plan drawn alone over transparent pixels, where blendOver leaves each
// sample as it is.
SampledLayer sampleLayer(const LayerPlan& plan, CanvasPixels& scratch) {
    static const CoverMap kNoCover{};
    const ColumnSpan columns = columnsOf(plan);
    SampledLayer sampled;
    if (columns.empty())
        return sampled;
    sampled = {{}, columns.first, plan.firstRow, columns.last - columns.first};
    for (int row = plan.firstRow; row < plan.lastRow; ++row) {
        const auto start = scratch.begin() + row * kCanvasSize;
        std::fill(start + columns.first, start + columns.last, 0);
    }
    drawPlans(std::span(&plan, 1), {true}, 0, kNoCover, scratch);
    sampled.pixels.reserve(
        static_cast<std::size_t>(sampled.width * (plan.lastRow - plan.firstRow)));
    for (int row = plan.firstRow; row < plan.lastRow; ++row) {
        const auto start = scratch.begin() + row * kCanvasSize;
        sampled.pixels.insert(sampled.pixels.end(), start + columns.first, start + columns.last);
    }
    return sampled;
}

void sampleTopLayers(TopLayers& top) {
    auto scratch = makeCanvasPixels();
    top.sampled.clear();
    for (std::size_t k = 0; k < top.plans.size(); ++k)
        top.sampled.push_back(top.shows[k] ? sampleLayer(top.plans[k], *scratch) : SampledLayer{});
}

// The top layers blended from their samples inside the region, as drawPlans draws their plans
// clipped to it.
void blendSampledTop(const TopLayers& top, const RowRegion& region, const CoverMap& cover,
                     CanvasPixels& out) {
    const SpanKernel kernel = sampleBlendKernel();
    SpanJob job;
    job.stepX = kFixedOne;
    for (std::size_t k = 0; k < top.plans.size(); ++k) {
        const LayerPlan& plan = top.plans[k];
        const SampledLayer& sampled = top.sampled[k];
        if (sampled.pixels.empty())
            continue;
        job.pixels = sampled.pixels.data();
        job.stride = sampled.width;
        job.level = static_cast<std::uint8_t>(std::min(top.firstLevel + k + 1, kMaxCoverLevels));
        for (int row = plan.firstRow; row < plan.lastRow; ++row) {
            const auto r = static_cast<std::size_t>(row);
            const int first = std::max(plan.spans[r].first, region[r].first);
            const int last = std::min(plan.spans[r].last, region[r].last);
            if (first >= last)
                continue;
            job.sampleX = (first - sampled.left) * kFixedOne;
            job.sampleY = (row - sampled.top) * kFixedOne;
            job.count = last - first;
            job.out = out.data() + row * kCanvasSize + first;
            job.cover = cover.data() + row * kCanvasSize + first;
            kernel(job);
        }
    }
}

// composeCanvasUnder from the steady canvas: only the changing layers' reach is drawn again, the
// region returned. `kept` as startFromSteady takes it.
RowRegion composeInReach(const CanvasPixels& below, std::span<const LayerPlan> middle,
                         const TopLayers& top, const RowRegion* kept, CanvasPixels& out) {
    // Scratch kept between calls, always rewritten before it is read.
    thread_local std::vector<LayerPlan> clippedMiddle;
    RowRegion region = reachOfChanging(middle, top.changing);
    trimCovered(top.cover, region);
    startFromSteady(below, *top.steady, region, kept, out);
    clipPlans(middle, region, clippedMiddle);
    // A layer's cover marks only hold back the layers under it: with one middle layer drawing
    // (a cell of most elements), the top layers' marks are all there is to mark.
    const auto drawing =
        std::count_if(clippedMiddle.begin(), clippedMiddle.end(),
                      [](const LayerPlan& plan) { return plan.firstRow < plan.lastRow; });
    if (drawing <= 1) {
        drawPlans(clippedMiddle, std::vector<bool>(clippedMiddle.size(), true), 0, top.cover, out);
        blendSampledTop(top, region, top.cover, out);
        return region;
    }
    CoverMap cover = top.cover;
    const std::vector<bool> shows = markOpaqueCoverUnder(clippedMiddle, 0, cover);
    drawPlans(clippedMiddle, shows, 0, cover, out);
    blendSampledTop(top, region, cover, out);
    return region;
}

// Whether composeCanvasUnder can start from the steady canvas.
bool drawsInReach(std::span<const LayerPlan> middle, const TopLayers& top) {
    return top.steady && top.fastPaths && middle.size() == top.changing.size() &&
           middle.size() <= top.firstLevel;
}

}  // namespace

void composeCanvasUnder(const CanvasPixels& below, std::span<const LayerPlan> middle,
                        const TopLayers& top, KeptCanvas& out) {
    if (!drawsInReach(middle, top)) {
        out.steadyStamp = 0;
        composeCanvasUnder(below, middle, top, *out.pixels);
        return;
    }
    const bool known = out.steadyStamp == top.stamp;
    out.drawn = composeInReach(below, middle, top, known ? &out.drawn : nullptr, *out.pixels);
    out.steadyStamp = top.stamp;
}

void composeCanvasUnder(const CanvasPixels& below, std::span<const LayerPlan> middle,
                        const TopLayers& top, CanvasPixels& out) {
    if (drawsInReach(middle, top)) {
        composeInReach(below, middle, top, nullptr, out);
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
    sampleTopLayers(top);
    static std::atomic<std::uint64_t> stamps = 0;
    top.stamp = ++stamps;
}

}  // namespace kelvaro
