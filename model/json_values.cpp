// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/json_values.h"

#include <cmath>
#include <limits>

namespace kelvaro {

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonValue requiredValue(const QJsonObject& object, std::string_view name) {
    const QJsonValue value = object.value(jsonKey(name));
    if (value.isUndefined())
        throw BadValue{};
    return value;
}

QJsonObject objectValue(const QJsonObject& object, std::string_view name) {
    const QJsonValue value = requiredValue(object, name);
    if (!value.isObject())
        throw BadValue{};
    return value.toObject();
}

int intValue(const QJsonValue& value) {
    if (!value.isDouble())
        throw BadValue{};
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        throw BadValue{};
    return static_cast<int>(number);
}

int intInRange(const QJsonValue& value, int low, int high) {
    const int number = intValue(value);
    if (number < low || number > high)
        throw BadValue{};
    return number;
}

int boolValue(const QJsonValue& value) {
    if (!value.isBool())
        throw BadValue{};
    return value.toBool() ? 1 : 0;
}

JsonOut coloursObject(const ColourSettings& settings) {
    JsonOut object = JsonOut::object();
    for (const ColourSettingInfo& info : kColourSettingTable)
        object.set(info.name, JsonOut::number(settings.*info.field));
    return object;
}

ColourSettings coloursFrom(const QJsonValue& value) {
    if (!value.isObject())
        throw BadValue{};
    const QJsonObject object = value.toObject();
    ColourSettings settings;
    for (const ColourSettingInfo& info : kColourSettingTable)
        settings.*info.field = intValue(requiredValue(object, info.name));
    return clampedSettings(settings);
}

}  // namespace kelvaro
