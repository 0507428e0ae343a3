// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/expression_set.h"

#include <cstdint>
#include <utility>

namespace kelvaro {
namespace {

// Whether each element is changed by an expression by default.
constexpr std::array<bool, kElementCount> kExpressionElements = {
    false, false, true,  true,  false, true, true, false,  // face .. beard
    false, false, false, false, false, true, true,         // ears .. band
};

// Sums and differences of positions as unsigned arithmetic does them: any two positions give an
// offset, and adding it back gives the position again.
int wrappingSum(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

int wrappingDifference(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace

bool isExpressionElement(int element) {
    return isValidElement(element) && kExpressionElements[static_cast<std::size_t>(element)];
}

const Expression* editedExpression(const ExpressionSet& set) {
    const auto count = static_cast<int>(set.expressions.size());
    if (set.edited < 1 || set.edited > count)
        return nullptr;
    return &set.expressions[static_cast<std::size_t>(set.edited - 1)];
}

Expression* editedExpression(ExpressionSet& set) {
    return const_cast<Expression*>(editedExpression(std::as_const(set)));
}

LayerRecord overridden(const LayerRecord& record, const ElementOverride& change) {
    LayerRecord shown = record;
    shown.partNumber = change.part;
    shown.x = wrappingSum(record.x, change.dx);
    shown.y = wrappingSum(record.y, change.dy);
    shown.angle = wrapAngle(wrapAngle(record.angle) + wrapAngle(change.turn));
    return shown;
}

ElementOverride overrideBetween(const LayerRecord& base, const LayerRecord& shown) {
    return {shown.partNumber, wrappingDifference(shown.x, base.x),
            wrappingDifference(shown.y, base.y),
            wrapAngle(wrapAngle(shown.angle) - wrapAngle(base.angle))};
}

std::array<LayerRecord, kLayerCount> layersShowing(const std::array<LayerRecord, kLayerCount>& base,
                                                   const Expression& expression) {
    std::array<LayerRecord, kLayerCount> shown = base;
    for (int element = 0; element < kElementCount; ++element) {
        const auto& change = expression.overrides[static_cast<std::size_t>(element)];
        if (!change)
            continue;
        for (int layer : loadGroup(element)) {
            const auto at = static_cast<std::size_t>(layer);
            shown[at] = overridden(base[at], *change);
        }
    }
    return shown;
}

std::size_t heapBytes(const ExpressionSet& set) {
    std::size_t bytes = set.expressions.capacity() * sizeof(Expression);
    for (const Expression& expression : set.expressions) {
        if (expression.name.capacity() > std::string().capacity())
            bytes += expression.name.capacity() + 1;
    }
    return bytes;
}

}  // namespace kelvaro
