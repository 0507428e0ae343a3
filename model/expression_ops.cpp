// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/expression_ops.h"

#include <string_view>
#include <utility>

namespace kelvaro {
namespace {

// An expression of the basic set: its name and what it changes.
struct BasicExpression {
    std::string_view name;  // UTF-8
    ElementOverrides overrides;
};

// The basic set, in the order it is added. The overrides wait for the sample parts drawn for
// these faces: until then each starts as the base does.
const std::array<BasicExpression, 7> kBasicExpressions = {{
    {"Radość", {}},
    {"Śmiech", {}},
    {"Smutek", {}},
    {"Złość", {}},
    {"Zaskoczenie", {}},
    {"Zawstydzenie", {}},
    {"Sen", {}},
}};

int expressionCount(const ExpressionSet& set) {
    return static_cast<int>(set.expressions.size());
}

bool isExpressionFace(const ExpressionSet& set, int face) {
    return face >= 1 && face <= expressionCount(set);
}

}  // namespace

bool chooseEditedFace(ExpressionSet& set, int face) {
    if (face < 0 || face > expressionCount(set) || face == set.edited)
        return false;
    set.edited = face;
    return true;
}

bool addExpression(ExpressionSet& set, std::string name) {
    if (name.empty() || expressionCount(set) >= kMaxExpressions)
        return false;
    set.expressions.push_back({std::move(name), {}});
    set.edited = expressionCount(set);
    return true;
}

bool removeExpression(ExpressionSet& set, int face) {
    if (!isExpressionFace(set, face))
        return false;
    set.expressions.erase(set.expressions.begin() + (face - 1));
    if (set.edited == face)
        set.edited = 0;
    else if (set.edited > face)
        --set.edited;
    return true;
}

bool renameExpression(ExpressionSet& set, int face, std::string name) {
    if (!isExpressionFace(set, face) || name.empty())
        return false;
    std::string& current = set.expressions[static_cast<std::size_t>(face - 1)].name;
    if (current == name)
        return false;
    current = std::move(name);
    return true;
}

bool moveExpression(ExpressionSet& set, int face, int direction) {
    const int other = face + direction;
    if ((direction != -1 && direction != 1) || !isExpressionFace(set, face) ||
        !isExpressionFace(set, other))
        return false;
    std::swap(set.expressions[static_cast<std::size_t>(face - 1)],
              set.expressions[static_cast<std::size_t>(other - 1)]);
    if (set.edited == face)
        set.edited = other;
    else if (set.edited == other)
        set.edited = face;
    return true;
}

bool dropOverride(ExpressionSet& set, int element) {
    Expression* expression = editedExpression(set);
    if (!expression || !isValidElement(element))
        return false;
    auto& change = expression->overrides[static_cast<std::size_t>(element)];
    if (!change)
        return false;
    change.reset();
    return true;
}

bool takeExpressions(ExpressionSet& set, const ExpressionSet& other) {
    ExpressionSet taken{other.expressions, 0};
    if (taken == set)
        return false;
    set = std::move(taken);
    return true;
}

bool addBasicExpressions(ExpressionSet& set) {
    bool added = false;
    for (const BasicExpression& basic : kBasicExpressions) {
        if (expressionCount(set) >= kMaxExpressions)
            break;
        set.expressions.push_back({std::string(basic.name), basic.overrides});
        added = true;
    }
    return added;
}

}  // namespace kelvaro
