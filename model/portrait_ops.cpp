// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_ops.h"

#include <algorithm>
#include <array>

#include "imaging/compositor.h"
#include "imaging/iris_mask.h"

namespace kelvaro {
namespace {

// Offsets of a part size or more all mask the whole iris; positions are unlimited, so the
// difference is taken wide and limited before it meets int.
int layerOffset(int a, int b) {
    const long long offset = static_cast<long long>(a) - b;
    return static_cast<int>(std::clamp<long long>(offset, -kPartSize, kPartSize));
}

}  // namespace

std::array<CompositorLayer, kLayerCount> compositorLayers(const PortraitState& state) {
    std::array<CompositorLayer, kLayerCount> layers{};
    std::size_t i = 0;
    for (int index : drawOrder()) {
        const LayerState& l = state.layer(index);
        if (l.hasImage)
            layers[i] = {l.image(), l.x, l.y, l.angle, l.loadedBox};
        ++i;
    }
    return layers;
}

void recolourLayer(PortraitState& state, int layerIndex) {
    LayerState& layer = state.layer(layerIndex);
    if (layer.hasImage)
        layer.recolourLoaded(state.current);
    layer.stored = state.current;
    layer.recoloured = true;
    if (layerIndex == kIrisLayer)
        state.irisMask.reset();
    state.scroll = state.current;
}

void recolourAllLayers(PortraitState& state) {
    for (int layer = 0; layer < kLayerCount; ++layer)
        recolourLayer(state, layer);
}

void recolourCurrentElement(PortraitState& state, RecolourScope scope) {
    for (int layer : recolourGroup(state.currentElement)) {
        if (scope == RecolourScope::WholeGroup || loadGroupHolds(state.currentElement, layer))
            recolourLayer(state, layer);
    }
    if (state.currentElement == kIris)
        maskIris(state);
}

IrisMaskOffset irisMaskOffset(const LayerRecord& iris, const LayerRecord& eyeShape) {
    return {layerOffset(iris.x, eyeShape.x), layerOffset(iris.y, eyeShape.y)};
}

void maskIris(PortraitState& state) {
    LayerState& iris = state.layer(kIrisLayer);
    const LayerState& eyeShape = state.layer(kEyeShapeLayer);
    if (!iris.hasImage || !eyeShape.loaded)
        return;
    maskIrisAt(state, irisMaskOffset(iris, eyeShape));
}

void maskIrisAt(PortraitState& state, IrisMaskOffset offset) {
    LayerState& iris = state.layer(kIrisLayer);
    if (!iris.hasImage)
        return;
    // Outside its loaded box a layer's pixels have no alpha, in the loaded and the displayed
    // image alike, so the mask need not look beyond the two boxes.
    const LayerState& eyeShape = state.layer(kEyeShapeLayer);
    maskIrisInBoxes(*iris.loaded, intersection(iris.loadedBox, kWholePart), *eyeShape.loaded,
                    intersection(eyeShape.loadedBox, kWholePart), offset.dx, offset.dy,
                    iris.writableImage());
    state.irisMask = offset;
}

void composePortrait(const PortraitState& state, CanvasPixels& out) {
    CompositorOptions options;
    options.opaqueBase = true;
    composeCanvas(state.hasWall ? state.wall.get() : nullptr, compositorLayers(state), out,
                  options);
}

void composeLayers(const PortraitState& state, CanvasPixels& out) {
    composeCanvas(nullptr, compositorLayers(state), out);
}

}  // namespace kelvaro
