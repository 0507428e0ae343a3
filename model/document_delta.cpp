// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_delta.h"

#include <map>

namespace kelvaro {
namespace {

using LayerFields = std::array<int, kLayerFieldCount>;

LayerFields fieldsOf(const LayerRecord& layer) {
    const auto colours = toArray(layer.stored);
    return {layer.partNumber, layer.x,    layer.y,    layer.angle, colours[0],
            colours[1],       colours[2], colours[3], colours[4],  layer.recoloured ? 1 : 0};
}

LayerRecord recordOf(const LayerFields& f) {
    return {f[0], f[1], f[2], f[3], fromArray({f[4], f[5], f[6], f[7], f[8]}), f[9] != 0};
}

// The document with `header`'s portrait-wide values and the live layers, changed as `pick`
// says for each recorded field.
template <typename Pick>
PortraitDocument rebuilt(const DocumentDelta& delta, const PortraitDocument& header,
                         const PortraitDocument& live, Pick pick) {
    PortraitDocument document = header;
    document.layers = live.layers;
    std::array<LayerFields, kLayerCount> fields{};
    for (int i = 0; i < kLayerCount; ++i)
        fields[static_cast<std::size_t>(i)] = fieldsOf(live.layers[static_cast<std::size_t>(i)]);
    for (const LayerFieldChange& change : delta.layerChanges) {
        fields[change.field / kLayerFieldCount][change.field % kLayerFieldCount] = pick(change);
    }
    for (int i = 0; i < kLayerCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        document.layers[at] = recordOf(fields[at]);
    }
    return document;
}

}  // namespace

DocumentDelta documentDelta(const PortraitDocument& before, const PortraitDocument& after) {
    DocumentDelta delta{before, after, {}};
    for (int i = 0; i < kLayerCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const LayerFields was = fieldsOf(before.layers[at]);
        const LayerFields now = fieldsOf(after.layers[at]);
        for (int f = 0; f < kLayerFieldCount; ++f) {
            const auto fa = static_cast<std::size_t>(f);
            if (was[fa] != now[fa])
                delta.layerChanges.push_back(
                    {static_cast<std::uint16_t>(i * kLayerFieldCount + f), was[fa], now[fa]});
        }
    }
    delta.beforeHeader.layers = {};
    delta.afterHeader.layers = {};
    return delta;
}

PortraitDocument documentBefore(const DocumentDelta& delta, const PortraitDocument& live) {
    return rebuilt(delta, delta.beforeHeader, live,
                   [](const LayerFieldChange& c) { return c.before; });
}

PortraitDocument documentAfter(const DocumentDelta& delta, const PortraitDocument& live) {
    return rebuilt(delta, delta.afterHeader, live,
                   [](const LayerFieldChange& c) { return c.after; });
}

DocumentDelta mergedDelta(const DocumentDelta& first, const DocumentDelta& second) {
    std::map<std::uint16_t, LayerFieldChange> changes;
    for (const LayerFieldChange& c : first.layerChanges)
        changes[c.field] = c;
    for (const LayerFieldChange& c : second.layerChanges) {
        const auto [it, fresh] = changes.try_emplace(c.field, c);
        if (!fresh)
            it->second.after = c.after;
    }
    DocumentDelta merged{first.beforeHeader, second.afterHeader, {}};
    for (const auto& [field, change] : changes) {
        if (change.before != change.after)
            merged.layerChanges.push_back(change);
    }
    return merged;
}

bool changesNothing(const DocumentDelta& delta) {
    return delta.layerChanges.empty() && delta.beforeHeader == delta.afterHeader;
}

std::size_t byteSize(const DocumentDelta& delta) {
    return sizeof(delta) + delta.layerChanges.capacity() * sizeof(LayerFieldChange);
}

}  // namespace kelvaro
