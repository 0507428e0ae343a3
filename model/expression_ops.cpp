// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/expression_ops.h"

#include <array>
#include <string_view>
#include <utility>

namespace kelvaro {
namespace {

// One element's own part in an expression of the basic set.
struct BasicPart {
    int element;
    int part;
};

// An expression of the basic set: its name and the parts it shows in place of the base's, each at
// the base's place.
struct BasicExpression {
    std::string_view name;  // UTF-8
    std::array<BasicPart, 4> parts;
};

constexpr BasicPart kNone{-1, 0};

// The basic set, in the order it is added, for the sample library's expression parts: eyes 6 wide,
// 7 angry, 8 sad, 9 closed in a smile, 10 closed calmly; brows 5 angry, 6 sad, 7 raised; mouths 6
// broad smile, 7 laugh, 8 frown, 9 small "o", 10 shout, 11 wavy; band marks 3 blush, 4 tears,
// 6 anger mark. With the base, the eight faces of a character.
constexpr std::array<BasicExpression, 7> kBasicExpressions = {{
    {"Radość", {{{kEyes, 9}, {kMouth, 6}, kNone, kNone}}},
    {"Śmiech", {{{kEyes, 9}, {kBrows, 7}, {kMouth, 7}, kNone}}},
    {"Smutek", {{{kEyes, 8}, {kBrows, 6}, {kMouth, 8}, {kBand, 4}}}},
    {"Złość", {{{kEyes, 7}, {kBrows, 5}, {kMouth, 10}, {kBand, 6}}}},
    {"Zaskoczenie", {{{kEyes, 6}, {kBrows, 7}, {kMouth, 9}, kNone}}},
    {"Zawstydzenie", {{{kEyes, 8}, {kBrows, 6}, {kMouth, 11}, {kBand, 3}}}},
    {"Sen", {{{kEyes, 10}, kNone, kNone, kNone}}},
}};

// The overrides of `basic`: its parts, placed as the base places the element.
ElementOverrides overridesOf(const BasicExpression& basic) {
    ElementOverrides overrides{};
    for (const BasicPart& part : basic.parts) {
        if (isValidElement(part.element))
            overrides[static_cast<std::size_t>(part.element)] = ElementOverride{part.part, 0, 0, 0};
    }
    return overrides;
}

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
        set.expressions.push_back({std::string(basic.name), overridesOf(basic)});
        added = true;
    }
    return added;
}

}  // namespace kelvaro
