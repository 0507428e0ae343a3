// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Expression sets: a portrait's base face ("Neutralna") and an ordered list of named expressions.
// An expression keeps, per element, either nothing (the element shows as in the base) or an
// override: its own part number and a placement relative to the base's (an offset and a turn
// added to the base's position and angle). Overrides hold no colours, so recolouring the base
// recolours every expression, and moving the base head moves every expression's features.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/layer_record.h"
#include "model/layer_tables.h"

namespace kelvaro {

inline constexpr int kMaxFaces = 16;                   // the base and the expressions together
inline constexpr int kMaxExpressions = kMaxFaces - 1;  // expressions besides the base

// An element's own part and placement in an expression, relative to the base.
struct ElementOverride {
    int part = 0;  // the part number every layer of the element loads with
    int dx = 0;    // added to the base position (wrapping like unsigned arithmetic)
    int dy = 0;
    int turn = 0;  // degrees 0..359 added to the base angle, the sum wrapped into 0..359
    friend bool operator==(const ElementOverride&, const ElementOverride&) = default;
};

using ElementOverrides = std::array<std::optional<ElementOverride>, kElementCount>;

struct Expression {
    std::string name;  // never empty
    ElementOverrides overrides{};
    friend bool operator==(const Expression&, const Expression&) = default;
};

struct ExpressionSet {
    std::vector<Expression> expressions;  // at most kMaxExpressions
    int edited = 0;  // the face shown and edited: 0 the base, k expressions[k-1]
    friend bool operator==(const ExpressionSet&, const ExpressionSet&) = default;
};

// Elements an expression changes by default: eyes, iris, brows, mouth and the two free slots.
bool isExpressionElement(int element);

// The expression being edited; null while the base is edited or `edited` is out of range.
const Expression* editedExpression(const ExpressionSet& set);
Expression* editedExpression(ExpressionSet& set);

// `record` (a base layer) as the override shows it: the override's part, the base position plus
// the offset, the base angle plus the turn; colours as in the base.
LayerRecord overridden(const LayerRecord& record, const ElementOverride& change);

// The override that turns the base record of a layer into the shown one (part, offset and turn).
ElementOverride overrideBetween(const LayerRecord& base, const LayerRecord& shown);

// The base layers as `expression` shows them: each override reaches every layer of its element's
// load group, every other layer stays as in the base.
std::array<LayerRecord, kLayerCount> layersShowing(const std::array<LayerRecord, kLayerCount>& base,
                                                   const Expression& expression);

// The heap memory the set holds, in bytes (its expressions and their names).
std::size_t heapBytes(const ExpressionSet& set);

}  // namespace kelvaro
