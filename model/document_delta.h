// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What one step changed in the portrait document, kept small for the undo history: the
// portrait-wide values before and after in full, of the layers only the fields that changed, and
// the expression set before and after only when the step changed it.
// Layer values change only through recorded steps, so the layers of the live portrait are those
// after the step when it is undone and those before it when it is redone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/layer_fields.h"
#include "model/portrait_document.h"

namespace kelvaro {

// One layer field's value before and after a step.
struct LayerFieldChange {
    std::uint8_t layer;  // 0..kLayerCount-1
    std::uint8_t field;  // the row of kLayerFields
    int before;
    int after;
    friend bool operator==(const LayerFieldChange&, const LayerFieldChange&) = default;
};

struct DocumentDelta {
    PortraitValues valuesBefore;
    PortraitValues valuesAfter;
    std::vector<LayerFieldChange> layerChanges;  // by layer, then by field; no two alike
    // Both set when the step changed the expression set (or the face edited), neither otherwise.
    std::optional<ExpressionSet> expressionsBefore;
    std::optional<ExpressionSet> expressionsAfter;
};

// The step from `before` to `after`.
DocumentDelta documentDelta(const PortraitDocument& before, const PortraitDocument& after);

// The document before the step, from the live one (whose layers are those after it).
PortraitDocument documentBefore(const DocumentDelta& delta, const PortraitDocument& live);

// The document after the step, from the live one (whose layers are those before it).
PortraitDocument documentAfter(const DocumentDelta& delta, const PortraitDocument& live);

// One step of `first` followed by `second`.
DocumentDelta mergedDelta(const DocumentDelta& first, const DocumentDelta& second);

// True when the step changes nothing.
bool changesNothing(const DocumentDelta& delta);

// The memory the delta holds, in bytes: itself, the changes it keeps and the sets it copied.
std::size_t byteSize(const DocumentDelta& delta);

}  // namespace kelvaro
