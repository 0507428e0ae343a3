// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What one step changed in the portrait document, kept small for the undo history: the
// portrait-wide values before and after in full, and of the layers only the values that changed.
// Layer values change only through recorded steps, so the layers of the live portrait are those
// after the step when it is undone and those before it when it is redone.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/portrait_document.h"

namespace kelvaro {

inline constexpr int kLayerFieldCount = 10;  // part, x, y, angle, five settings, recoloured

struct LayerFieldChange {
    std::uint16_t field;  // layer * kLayerFieldCount + the field's place
    int before;
    int after;
    friend bool operator==(const LayerFieldChange&, const LayerFieldChange&) = default;
};

struct DocumentDelta {
    PortraitDocument beforeHeader;  // its layers are not used
    PortraitDocument afterHeader;
    std::vector<LayerFieldChange> layerChanges;  // by field, ascending
};

DocumentDelta documentDelta(const PortraitDocument& before, const PortraitDocument& after);

// The document before the step, from the live one (whose layers are those after it).
PortraitDocument documentBefore(const DocumentDelta& delta, const PortraitDocument& live);

// The document after the step, from the live one (whose layers are those before it).
PortraitDocument documentAfter(const DocumentDelta& delta, const PortraitDocument& live);

// One step of `first` followed by `second`.
DocumentDelta mergedDelta(const DocumentDelta& first, const DocumentDelta& second);

// True when the step changes nothing.
bool changesNothing(const DocumentDelta& delta);

// The memory the delta holds, in bytes: itself and the changes it keeps.
std::size_t byteSize(const DocumentDelta& delta);

}  // namespace kelvaro
