// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/shown_change.h"

#include <array>

#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

bool samePlacementAndPart(const LayerRecord& a, const LayerRecord& b) {
    return a.partNumber == b.partNumber && a.x == b.x && a.y == b.y && a.angle == b.angle;
}

// Whether changes decided by `element` belong to the expression.
bool belongsToExpression(const Expression& expression, int element) {
    return isExpressionElement(element) ||
           (isValidElement(element) && expression.overrides[static_cast<std::size_t>(element)]);
}

// Gives `element` the override its shown primary layer holds against the base; false (nothing
// set) when the element had none and the new one would change nothing.
bool takeOverride(PortraitState& state, Expression& expression, int element) {
    const auto at = static_cast<std::size_t>(element);
    const LayerRecord& base = state.baseLayers[at];
    const ElementOverride change = overrideBetween(base, state.layer(element));
    if (!expression.overrides[at] && overridden(base, change) == base)
        return false;
    expression.overrides[at] = change;
    return true;
}

// The placement fields a command may set.
constexpr std::array<int LayerRecord::*, 3> kPlacementFields = {&LayerRecord::x, &LayerRecord::y,
                                                                &LayerRecord::angle};

// The placement fields (and the part, unless the element's part is overridden) the command set
// on the shown layer into the base. Commands set placements absolutely from a layer showing the
// base, so the shown value is the base's; fields left alone keep the base's own value.
void takeIntoBase(LayerRecord& base, const LayerRecord& shown, const LayerRecord& was,
                  bool partOverridden) {
    for (int LayerRecord::*field : kPlacementFields) {
        if (shown.*field != was.*field)
            base.*field = shown.*field;
    }
    if (!partOverridden && shown.partNumber != was.partNumber)
        base.partNumber = shown.partNumber;
}

// Routes the change of one layer from `was` to what it shows now.
void settleLayer(PortraitState& state, Expression& expression, int layer, const LayerRecord& was,
                 int acting) {
    const LayerRecord& shown = state.layer(layer);
    LayerRecord& base = state.baseLayers[static_cast<std::size_t>(layer)];
    base.stored = shown.stored;
    base.recoloured = shown.recoloured;
    if (samePlacementAndPart(shown, was))
        return;
    const int element = layerInfo(layer).element;
    const int decider = isValidElement(acting) ? acting : element;
    if (belongsToExpression(expression, decider) && takeOverride(state, expression, element))
        return;
    takeIntoBase(base, shown, was,
                 expression.overrides[static_cast<std::size_t>(element)].has_value());
}

}  // namespace

ShownFace shownFace(const PortraitState& state) {
    ShownFace face;
    for (int i = 0; i < kLayerCount; ++i)
        face.layers[static_cast<std::size_t>(i)] = state.layer(i);
    face.irisMask = state.irisMask;
    return face;
}

void settleShownChange(PortraitState& state, const ShownFace& before, int acting) {
    Expression* expression = editedExpression(state.expressions);
    if (!expression)
        return;
    for (int i = 0; i < kLayerCount; ++i) {
        const LayerRecord& was = before.layers[static_cast<std::size_t>(i)];
        if (state.layer(i) != was)
            settleLayer(state, *expression, i, was, acting);
    }
    if (state.irisMask != before.irisMask) {
        state.baseIrisMask.reset();
        if (state.irisMask)
            state.baseIrisMask =
                irisMaskOffset(state.baseLayers[kIrisLayer], state.baseLayers[kEyeShapeLayer]);
    }
}

}  // namespace kelvaro
