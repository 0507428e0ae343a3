// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The operations on a portrait's expression set, as pure changes of the set: choosing the face
// edited, adding, removing, renaming and moving expressions, giving an element back to the base,
// taking another portrait's set and adding the basic set. Each returns whether it changed the
// set; a refused operation leaves the set as it was. Faces are numbered as ExpressionSet::edited
// numbers them: 0 the base, k the k-th expression.
#pragma once

#include <string>

#include "model/expression_set.h"

namespace kelvaro {

// Makes face 0..expression count the edited one.
bool chooseEditedFace(ExpressionSet& set, int face);

// Adds an expression named `name` showing the base (no overrides) after the others and edits
// it; refused for an empty name or when the set holds kMaxExpressions already.
bool addExpression(ExpressionSet& set, std::string name);

// Removes expression `face` (1..count). The edited face stays the same face; when it was the one
// removed, the base is edited.
bool removeExpression(ExpressionSet& set, int face);

// Names expression `face` (1..count) `name`; refused for an empty name.
bool renameExpression(ExpressionSet& set, int face, std::string name);

// Moves expression `face` one place towards the front (-1) or the back (+1) among the
// expressions; the edited face stays the same face.
bool moveExpression(ExpressionSet& set, int face, int direction);

// The edited expression shows `element` as the base does again (drops its override).
bool dropOverride(ExpressionSet& set, int element);

// Takes the expressions of `other`; the base is edited.
bool takeExpressions(ExpressionSet& set, const ExpressionSet& other);

// Adds the basic expressions after the others, as many as there is room for; the edited face
// stays as it is.
bool addBasicExpressions(ExpressionSet& set);

}  // namespace kelvaro
