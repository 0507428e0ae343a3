#include "model/portrait_ops.h"

#include <array>

#include "imaging/compositor.h"
#include "imaging/iris_mask.h"
#include "imaging/recolour.h"

namespace kelvaro {

void recolourLayer(PortraitState& state, int layerIndex) {
    LayerState& layer = state.layer(layerIndex);
    if (layer.hasImage) recolourPixels(*layer.loaded, *layer.image, state.current);
    layer.stored = state.current;
    state.scroll = state.current;
}

void recolourAllLayers(PortraitState& state) {
    for (int layer = 0; layer < kLayerCount; ++layer) recolourLayer(state, layer);
}

void recolourCurrentElement(PortraitState& state) {
    for (int layer : recolourGroup(state.currentElement)) recolourLayer(state, layer);
    if (state.currentElement == kIris) maskIris(state);
}

void maskIris(PortraitState& state) {
    LayerState& iris = state.layer(kIrisLayer);
    const LayerState& eyeShape = state.layer(kEyeShapeLayer);
    if (!iris.hasImage || !eyeShape.hasImage) return;
    maskIris(*iris.loaded, *eyeShape.loaded, iris.x - eyeShape.x, iris.y - eyeShape.y,
             *iris.image);
}

void composePortrait(const PortraitState& state, CanvasPixels& out) {
    std::array<CompositorLayer, kLayerCount> layers{};
    std::size_t i = 0;
    for (int index : drawOrder()) {
        const LayerState& l = state.layer(index);
        layers[i++] = {l.hasImage ? l.image.get() : nullptr, l.x, l.y, l.angle};
    }
    composeCanvas(state.hasWall ? state.wall.get() : nullptr, layers, out);
}

}  // namespace kelvaro
