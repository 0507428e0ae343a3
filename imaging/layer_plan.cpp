// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/layer_plan.h"

#include <algorithm>

#include "imaging/blend.h"
#include "imaging/kernel_choice.h"
#include "imaging/premultiply_row.h"

namespace kelvaro {
namespace {

struct DrawPath {
    bool (*applies)(const LayerPlacement& place);
    SpanKernel kernel;
    bool copies;
};

bool turnsByQuarters(const LayerPlacement& place) {
    return place.quarterTurns >= 0;
}
bool unturned(const LayerPlacement& place) {
    return place.quarterTurns == 0;
}
bool always(const LayerPlacement&) {
    return true;
}

// Each table holds fast paths first; its last entry always applies. The table is chosen from
// the kernel features in force, not per layer.
#ifdef KELVARO_X86
constexpr DrawPath kVectorPaths[] = {
    {unturned, copySpanAvx2, true},
    {turnsByQuarters, copySpan, true},
    {always, cubicSpan8Avx2, false},
};
#endif
constexpr DrawPath kPortablePaths[] = {
    {turnsByQuarters, copySpan, true},
    {always, cubicSpan, false},
};
constexpr DrawPath kGeneralPath[] = {
    {always, cubicSpan, false},
};

std::span<const DrawPath> pathTable(bool fastPaths) {
    const KernelFeatures& features = kernelFeatures();
    if (!fastPaths || !features.fastPaths)
        return kGeneralPath;
#ifdef KELVARO_X86
    if (features.avx2)
        return kVectorPaths;
#endif
    return kPortablePaths;
}

const DrawPath& choosePath(std::span<const DrawPath> table, const LayerPlacement& place) {
    return *std::find_if(table.begin(), table.end() - 1,
                         [&](const DrawPath& path) { return path.applies(place); });
}

// A cubic sample picks up a visible pixel only strictly between 2 pixels before and 1 pixel
// after the box; a whole-pixel sample only inside the box itself.
SampleWindow windowOf(const PixelBox& box, bool copies) {
    const std::int64_t before = copies ? 1 : 2;
    const std::int64_t after = copies ? 0 : 1;
    return {(box.left - before) * kFixedOne, (box.right + after) * kFixedOne,
            (box.top - before) * kFixedOne, (box.bottom + after) * kFixedOne};
}

// A cubic sample at coordinate s reads the pixels floor(s) - 1 to floor(s) + 2.
TapReach reachOf(bool copies) {
    return copies ? TapReach{0, 0} : TapReach{1, 2};
}

// Works out every row's span once, and the rows [firstRow, lastRow) holding the non-empty ones.
void findRows(LayerPlan& plan) {
    plan.firstRow = kCanvasSize;
    plan.lastRow = 0;
    columnSpans(plan.place, plan.window, plan.spans);
    for (int row = 0; row < kCanvasSize; ++row) {
        if (plan.spans[static_cast<std::size_t>(row)].empty())
            continue;
        plan.firstRow = std::min(plan.firstRow, row);
        plan.lastRow = row + 1;
    }
}

// The visible pixels among those some sample reads: the caller's box when given, trusted to
// hold every pixel with alpha, else looked for in the image.
PixelBox visibleBox(const CompositorLayer& layer, const PixelBox& reachable) {
    if (layer.visible)
        return intersection(*layer.visible, reachable);
    return visibleBounds(*layer.image, reachable);
}

// Plans `layer` into `plan`; false (leaving `plan` empty: no rows, no image) when it cannot show.
bool planLayer(const CompositorLayer& layer, std::span<const DrawPath> table, LayerPlan& plan) {
    plan = LayerPlan{};
    if (layer.image == nullptr)
        return false;
    plan.place = placeLayer(layer.x, layer.y, layer.angle);
    const DrawPath& path = choosePath(table, plan.place);
    // Pixels no sample reads cannot show, so they are not even looked at.
    const PixelBox box = visibleBox(layer, reachablePixels(plan.place, reachOf(path.copies)));
    if (box.empty())
        return false;
    plan.image = layer.image;
    plan.kernel = path.kernel;
    plan.copies = path.copies;
    plan.box = box;
    plan.window = windowOf(plan.box, path.copies);
    findRows(plan);
    if (plan.firstRow < plan.lastRow)
        return true;
    plan = LayerPlan{};
    return false;
}

}  // namespace

bool sameLayer(const CompositorLayer& a, const CompositorLayer& b) {
    return a.image == b.image && a.x == b.x && a.y == b.y && a.angle == b.angle &&
           a.visible == b.visible;
}

std::vector<LayerPlan> planLayers(std::span<const CompositorLayer> layers, bool fastPaths) {
    const std::span<const DrawPath> table = pathTable(fastPaths);
    std::vector<LayerPlan> plans;
    plans.reserve(layers.size());
    for (const CompositorLayer& layer : layers) {
        LayerPlan plan;
        if (planLayer(layer, table, plan))
            plans.push_back(plan);
    }
    return plans;
}

void clipPlan(const LayerPlan& plan, const RowRegion& region, LayerPlan& clipped) {
    clipped = plan;
    clipped.firstRow = kCanvasSize;
    clipped.lastRow = 0;
    for (int row = plan.firstRow; row < plan.lastRow; ++row) {
        const auto r = static_cast<std::size_t>(row);
        ColumnSpan span{std::max(plan.spans[r].first, region[r].first),
                        std::min(plan.spans[r].last, region[r].last)};
        if (span.empty())
            span = {};
        clipped.spans[r] = span;
        if (span.empty())
            continue;
        clipped.firstRow = std::min(clipped.firstRow, row);
        clipped.lastRow = row + 1;
    }
    if (clipped.firstRow >= clipped.lastRow)
        clipped.firstRow = clipped.lastRow = 0;
}

void replanLayers(std::span<const CompositorLayer> layers, bool fastPaths, KeptPlans& kept) {
    const std::span<const DrawPath> table = pathTable(fastPaths);
    if (kept.fastPaths != fastPaths || kept.layers.size() != layers.size()) {
        kept.layers.assign(layers.size(), CompositorLayer{});
        kept.plans.assign(layers.size(), LayerPlan{});
        kept.fastPaths = fastPaths;
    }
    for (std::size_t k = 0; k < layers.size(); ++k) {
        // Without a box the plan depends on the pixels, which may have changed.
        if (layers[k].visible && layers[k].image != nullptr && sameLayer(layers[k], kept.layers[k]))
            continue;
        kept.layers[k] = layers[k];
        planLayer(layers[k], table, kept.plans[k]);
    }
}

Patch buildPatch(const LayerPlan& plan, std::vector<Argb>& storage) {
    const PixelBox& box = plan.box;
    const int stride = box.width() + 2 * kPatchMargin;
    const int height = box.height() + 2 * kPatchMargin;
    storage.assign(static_cast<std::size_t>(stride * height), 0);
    for (int y = box.top; y < box.bottom; ++y) {
        const Argb* source = plan.image->data() + y * kPartSize + box.left;
        Argb* target = storage.data() + (y - box.top + kPatchMargin) * stride + kPatchMargin;
        premultiplyRow(source, box.width(), target);
    }
    return {storage.data(), stride, box.left - kPatchMargin, box.top - kPatchMargin};
}

}  // namespace kelvaro
