// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait as a document: every value needed to rebuild the canvas exactly, without pixels.
// Capturing a state and applying the document to a state that uses the same part library gives
// a state that composes to the same pixels; the undo history and portrait files are built on it.
#pragma once

#include <array>

#include "model/expression_set.h"
#include "model/layer_record.h"
#include "model/part_library.h"
#include "model/portrait_state.h"
#include "model/portrait_values.h"

namespace kelvaro {

// The portrait-wide values, every layer's record of the base face and the expression set.
struct PortraitDocument : PortraitValues {
    std::array<LayerRecord, kLayerCount> layers{};
    ExpressionSet expressions;

    friend bool operator==(const PortraitDocument&, const PortraitDocument&) = default;
};

// The portrait's document: the base face's records (also while an expression is shown) and the
// expression set.
PortraitDocument capture(const PortraitState& state);

// What the canvas shows for `document`: the base with the edited expression's overrides, the iris
// mask (when the base has one) at the offset of the shown iris and eye shape. The document itself
// while the base is edited.
PortraitDocument shownDocument(const PortraitDocument& document);

enum class ApplyScope {
    Changes,     // reload only layers whose part differs from what they hold (undo and redo)
    Everything,  // reload every layer (opening a document)
};

// Makes `state` show shownDocument(document) and keeps the base records and the set: sets every
// value, reloads layers (reporting failures as a
// load does), rebuilds each image that must change from its loaded pixels (recoloured with its
// stored settings or in the file's colours) and masks the iris as recorded. The saved flag is
// left alone.
void apply(const PortraitDocument& document, PortraitState& state, const MessageSink& report,
           ApplyScope scope = ApplyScope::Changes);

}  // namespace kelvaro
