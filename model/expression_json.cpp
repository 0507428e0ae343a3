// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/expression_json.h"

#include <QJsonArray>
#include <array>

#include "model/json_values.h"

namespace kelvaro {
namespace {

// An override's entries, in the order they are read.
constexpr std::array<std::pair<std::string_view, int ElementOverride::*>, 4> kOverrideFields = {{
    {"part", &ElementOverride::part},
    {"dx", &ElementOverride::dx},
    {"dy", &ElementOverride::dy},
    {"turn", &ElementOverride::turn},
}};

JsonOut overrideObject(const ElementOverride& change) {
    JsonOut object = JsonOut::object();
    for (const auto& [name, member] : kOverrideFields)
        object.set(name, JsonOut::number(change.*member));
    return object;
}

ElementOverride overrideFrom(const QJsonValue& value) {
    if (!value.isObject())
        throw BadValue{};
    ElementOverride change;
    for (const auto& [name, member] : kOverrideFields)
        change.*member = intValue(requiredValue(value.toObject(), name));
    change.turn = wrapAngle(change.turn);
    return change;
}

JsonOut expressionObject(const Expression& expression) {
    JsonOut overrides = JsonOut::object();
    for (int element = 0; element < kElementCount; ++element) {
        if (const auto& change = expression.overrides[static_cast<std::size_t>(element)])
            overrides.set(std::to_string(element), overrideObject(*change));
    }
    JsonOut object = JsonOut::object();
    object.set("name", JsonOut::text(expression.name));
    object.set("overrides", std::move(overrides));
    return object;
}

// The element an override's key names: "0" to "14", nothing else.
int elementOfKey(const QString& key) {
    bool ok = false;
    const int element = key.toInt(&ok);
    if (!ok || !isValidElement(element) || key != QString::number(element))
        throw BadValue{};
    return element;
}

Expression expressionFrom(const QJsonValue& value) {
    if (!value.isObject())
        throw BadValue{};
    const QJsonObject object = value.toObject();
    const QJsonValue name = requiredValue(object, "name");
    if (!name.isString() || name.toString().isEmpty())
        throw BadValue{};
    Expression expression{name.toString().toStdString(), {}};
    const QJsonObject overrides = objectValue(object, "overrides");
    for (auto entry = overrides.begin(); entry != overrides.end(); ++entry) {
        const auto element = static_cast<std::size_t>(elementOfKey(entry.key()));
        expression.overrides[element] = overrideFrom(entry.value());
    }
    return expression;
}

}  // namespace

bool keepsExpressions(const ExpressionSet& set) {
    return !set.expressions.empty() || set.edited != 0;
}

void writeExpressionSet(const ExpressionSet& set, JsonOut& root) {
    JsonOut expressions = JsonOut::array();
    for (const Expression& expression : set.expressions)
        expressions.append(expressionObject(expression));
    root.set("expressions", std::move(expressions));
    root.set("editedExpression", JsonOut::number(set.edited));
}

ExpressionSet readExpressionSet(const QJsonObject& root) {
    ExpressionSet set;
    const QJsonValue expressions = root.value("expressions");
    if (!expressions.isUndefined()) {
        if (!expressions.isArray() || expressions.toArray().size() > kMaxExpressions)
            throw BadValue{};
        for (const QJsonValue& entry : expressions.toArray())
            set.expressions.push_back(expressionFrom(entry));
    }
    const QJsonValue edited = root.value("editedExpression");
    if (!edited.isUndefined())
        set.edited = intInRange(edited, 0, static_cast<int>(set.expressions.size()));
    return set;
}

}  // namespace kelvaro
