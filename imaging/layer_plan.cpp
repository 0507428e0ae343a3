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

}  // namespace

std::vector<LayerPlan> planLayers(std::span<const CompositorLayer> layers, bool fastPaths) {
    const std::span<const DrawPath> table = pathTable(fastPaths);
    std::vector<LayerPlan> plans;
    plans.reserve(layers.size());
    for (const CompositorLayer& layer : layers) {
        if (layer.image == nullptr)
            continue;
        LayerPlan plan;
        plan.image = layer.image;
        plan.place = placeLayer(layer.x, layer.y, layer.angle);
        const DrawPath& path = choosePath(table, plan.place);
        plan.kernel = path.kernel;
        plan.copies = path.copies;
        // Pixels no sample reads cannot show, so they are not even looked at.
        plan.box = visibleBox(layer, reachablePixels(plan.place, reachOf(path.copies)));
        if (plan.box.empty())
            continue;
        plan.window = windowOf(plan.box, path.copies);
        findRows(plan);
        if (plan.firstRow < plan.lastRow)
            plans.push_back(plan);
    }
    return plans;
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
