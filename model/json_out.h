// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A JSON value as the document writers build it, written as text exactly as QJsonDocument writes
// the same value, without building Qt's containers (which cost more than the rest of writing a
// recipe): objects keep their keys sorted as QJsonObject keeps them, strings go through the same
// UTF-8 round trip (an invalid sequence becomes U+FFFD) and the same escapes.
#pragma once

#include <QJsonValue>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

class JsonOut {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    // null.
    JsonOut() = default;
    // A whole number.
    static JsonOut number(long long value);
    // true or false.
    static JsonOut boolean(bool value);
    // A string from UTF-8 text.
    static JsonOut text(std::string_view utf8);
    // An empty array or object.
    static JsonOut array();
    static JsonOut object();

    // Adds `value` to an array.
    JsonOut& append(JsonOut value);
    // Sets the object's entry `key` (ASCII) to `value`, replacing an entry of that key.
    JsonOut& set(std::string_view key, JsonOut value);

    // The text QJsonDocument(...).toJson(QJsonDocument::Indented) gives for an object.
    std::string indentedText() const;
    // The same value as Qt's.
    QJsonValue toQJson() const;

private:
    explicit JsonOut(Kind kind) : m_kind(kind) {}
    // Appends the value as Qt writes it `indent` levels in (its first line already indented).
    void write(std::string& out, int indent) const;
    // Appends an array's or object's entries, one line each at `indent` levels.
    void writeItems(std::string& out, int indent) const;

    Kind m_kind = Kind::Null;
    long long m_number = 0;           // a number; a boolean as 0 or 1
    std::string m_text;               // a string, as UTF-8 from a QString
    std::vector<std::string> m_keys;  // an object's, sorted; parallel to m_items
    std::vector<JsonOut> m_items;     // an array's values or an object's
};

}  // namespace kelvaro
