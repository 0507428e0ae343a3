// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_delta.h"

#include <map>
#include <utility>

namespace kelvaro {
namespace {

// The document with `values`, the live layers (each recorded field set to its `side` value) and
// `expressions` when the step changed the set, the live set otherwise.
PortraitDocument rebuilt(const DocumentDelta& delta, const PortraitValues& values,
                         const std::optional<ExpressionSet>& expressions,
                         const PortraitDocument& live, int LayerFieldChange::*side) {
    PortraitDocument document = live;
    static_cast<PortraitValues&>(document) = values;
    if (expressions)
        document.expressions = *expressions;
    for (const LayerFieldChange& change : delta.layerChanges)
        layerField(change.field).set(document.layers[change.layer], change.*side);
    return document;
}

}  // namespace

DocumentDelta documentDelta(const PortraitDocument& before, const PortraitDocument& after) {
    DocumentDelta delta{before, after, {}, {}, {}};
    if (before.expressions != after.expressions) {
        delta.expressionsBefore = before.expressions;
        delta.expressionsAfter = after.expressions;
    }
    for (std::size_t layer = 0; layer < kLayerCount; ++layer) {
        for (int field = 0; field < kLayerFieldCount; ++field) {
            const LayerField& row = layerField(field);
            const int was = row.get(before.layers[layer]);
            const int now = row.get(after.layers[layer]);
            if (was != now)
                delta.layerChanges.push_back(
                    {static_cast<std::uint8_t>(layer), static_cast<std::uint8_t>(field), was, now});
        }
    }
    delta.layerChanges.shrink_to_fit();
    return delta;
}

PortraitDocument documentBefore(const DocumentDelta& delta, const PortraitDocument& live) {
    return rebuilt(delta, delta.valuesBefore, delta.expressionsBefore, live,
                   &LayerFieldChange::before);
}

PortraitDocument documentAfter(const DocumentDelta& delta, const PortraitDocument& live) {
    return rebuilt(delta, delta.valuesAfter, delta.expressionsAfter, live,
                   &LayerFieldChange::after);
}

DocumentDelta mergedDelta(const DocumentDelta& first, const DocumentDelta& second) {
    std::map<std::pair<std::uint8_t, std::uint8_t>, LayerFieldChange> changes;
    for (const LayerFieldChange& c : first.layerChanges)
        changes.emplace(std::pair(c.layer, c.field), c);
    for (const LayerFieldChange& c : second.layerChanges) {
        const auto [it, fresh] = changes.try_emplace(std::pair(c.layer, c.field), c);
        if (!fresh)
            it->second.after = c.after;
    }
    DocumentDelta merged{first.valuesBefore, second.valuesAfter, {}, {}, {}};
    // A step that left the set alone had the set the other one started or ended with.
    const auto& setBefore =
        first.expressionsBefore ? first.expressionsBefore : second.expressionsBefore;
    const auto& setAfter =
        second.expressionsAfter ? second.expressionsAfter : first.expressionsAfter;
    if (setBefore && *setBefore != *setAfter) {
        merged.expressionsBefore = setBefore;
        merged.expressionsAfter = setAfter;
    }
    for (const auto& [key, change] : changes) {
        if (change.before != change.after)
            merged.layerChanges.push_back(change);
    }
    merged.layerChanges.shrink_to_fit();
    return merged;
}

bool changesNothing(const DocumentDelta& delta) {
    return delta.layerChanges.empty() && delta.valuesBefore == delta.valuesAfter &&
           delta.expressionsBefore == delta.expressionsAfter;
}

std::size_t byteSize(const DocumentDelta& delta) {
    std::size_t bytes = sizeof(delta) + delta.layerChanges.capacity() * sizeof(LayerFieldChange);
    for (const auto& set : {&delta.expressionsBefore, &delta.expressionsAfter}) {
        if (*set)
            bytes += heapBytes(**set);
    }
    return bytes;
}

}  // namespace kelvaro
