// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_document.h"

#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

// The part number a layer loads with under the document: its element's part.
int loadedPartUnder(const PortraitDocument& document, int layer) {
    return document.layers[static_cast<std::size_t>(layerInfo(layer).element)].partNumber;
}

// Rebuilds the displayed image from the loaded pixels as the layer's record says.
void rebuildImage(LayerState& layer) {
    if (!layer.hasImage)
        return;
    if (layer.recoloured)
        layer.recolourLoaded(layer.stored);
    else
        layer.showLoaded();
}

bool showsAsRecorded(const LayerState& layer, const LayerRecord& record) {
    return layer.recoloured == record.recoloured &&
           (!record.recoloured || layer.stored == record.stored);
}

// Reloads what must be reloaded; returns which layers were.
std::array<bool, kLayerCount> reload(const PortraitDocument& document, PortraitState& state,
                                     const MessageSink& report, ApplyScope scope) {
    std::array<bool, kLayerCount> reloaded{};
    for (int index : fullLoadOrder()) {
        const int part = loadedPartUnder(document, index);
        if (scope == ApplyScope::Changes && state.layer(index).loadedPart == part)
            continue;
        loadLayer(state, index, part, report);
        reloaded[static_cast<std::size_t>(index)] = true;
    }
    return reloaded;
}

// Makes the state show `document` as it is (the shown face's records).
void applyShown(const PortraitDocument& document, PortraitState& state, const MessageSink& report,
                ApplyScope scope) {
    const auto reloaded = reload(document, state, report, scope);
    bool irisImageRebuilt = reloaded[kIrisLayer];
    for (int i = 0; i < kLayerCount; ++i) {
        LayerState& layer = state.layer(i);
        const LayerRecord& record = document.layers[static_cast<std::size_t>(i)];
        const bool rebuild =
            reloaded[static_cast<std::size_t>(i)] || !showsAsRecorded(layer, record);
        static_cast<LayerRecord&>(layer) = record;
        if (rebuild) {
            rebuildImage(layer);
            irisImageRebuilt = irisImageRebuilt || i == kIrisLayer;
        }
    }
    // The mask is worked out afresh whenever the iris image, the eye shape under it or the
    // recorded offset changed; an iris image with a stale mask is first rebuilt.
    const bool maskChanged = state.irisMask != document.irisMask;
    static_cast<PortraitValues&>(state) = document;
    if (irisImageRebuilt || reloaded[kEyeShapeLayer] || maskChanged) {
        if (!irisImageRebuilt)
            rebuildImage(state.layer(kIrisLayer));
        state.irisMask.reset();
        if (document.irisMask)
            maskIrisAt(state, *document.irisMask);
    }
}

}  // namespace

PortraitDocument capture(const PortraitState& state) {
    PortraitDocument document;
    static_cast<PortraitValues&>(document) = state;
    document.expressions = state.expressions;
    if (editedExpression(state.expressions)) {
        document.layers = state.baseLayers;
        document.irisMask = state.baseIrisMask;
        return document;
    }
    for (int i = 0; i < kLayerCount; ++i)
        document.layers[static_cast<std::size_t>(i)] = state.layer(i);
    return document;
}

PortraitDocument shownDocument(const PortraitDocument& document) {
    const Expression* expression = editedExpression(document.expressions);
    if (!expression)
        return document;
    PortraitDocument shown = document;
    shown.layers = layersShowing(document.layers, *expression);
    if (shown.irisMask)
        shown.irisMask = irisMaskOffset(shown.layers[kIrisLayer], shown.layers[kEyeShapeLayer]);
    return shown;
}

void apply(const PortraitDocument& document, PortraitState& state, const MessageSink& report,
           ApplyScope scope) {
    if (state.released())
        return;
    applyShown(shownDocument(document), state, report, scope);
    state.expressions = document.expressions;
    state.baseLayers = document.layers;
    state.baseIrisMask = document.irisMask;
}

}  // namespace kelvaro
