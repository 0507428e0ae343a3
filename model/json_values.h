// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The JSON values portrait documents are made of, written and read strictly: a reader throws
// BadValue for anything missing, of the wrong type or out of range.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <string_view>

#include "imaging/colour_settings.h"
#include "model/json_out.h"

namespace kelvaro {

// Thrown by the readers, where any missing or wrong value ends the reading of a document.
struct BadValue {};

// `text` (UTF-8) as a QString.
QString qString(std::string_view text);

// A field's name (ASCII) as a key Qt's JSON objects take without copying it into a QString.
inline QLatin1String jsonKey(std::string_view name) {
    return QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

// The object's entry `name`; throws when it is missing.
QJsonValue requiredValue(const QJsonObject& object, std::string_view name);

// The object's entry `name`, itself an object; throws otherwise.
QJsonObject objectValue(const QJsonObject& object, std::string_view name);

// A whole number of int's range; throws otherwise.
int intValue(const QJsonValue& value);

// A whole number in low..high; throws otherwise.
int intInRange(const QJsonValue& value, int low, int high);

// true or false as 1 or 0; throws for any other value.
int boolValue(const QJsonValue& value);

// {"red", "green", "blue", "brightness", "contrast"}.
JsonOut coloursObject(const ColourSettings& settings);

// The settings of such an object, each limited to its range as the controls limit what they
// take; throws when the value is no object or a setting is missing or no whole number.
ColourSettings coloursFrom(const QJsonValue& value);

}  // namespace kelvaro
