// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A portrait's expression set in its document's JSON:
//   "expressions": [{"name": "Radość", "overrides": {"5": {"part", "dx", "dy", "turn"}}}, ...],
//   "editedExpression": 0
// where an override's key is its element's index. The reader throws BadValue for anything
// missing, of the wrong type or out of range.
#pragma once

#include <QJsonObject>

#include "model/expression_set.h"
#include "model/json_out.h"

namespace kelvaro {

// True when the set holds anything a document must keep (an expression or a face edited).
bool keepsExpressions(const ExpressionSet& set);

// Adds "expressions" and "editedExpression" to `root`.
void writeExpressionSet(const ExpressionSet& set, JsonOut& root);

// Those entries of `root`; both missing: the base alone. At most kMaxExpressions expressions,
// each with a non-empty name and overrides keyed by element indices 0..14 written in decimal,
// every value a whole number (turns brought into 0..359); the edited face 0..count.
ExpressionSet readExpressionSet(const QJsonObject& root);

}  // namespace kelvaro
