// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/json_out.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <charconv>

namespace kelvaro {
namespace {

constexpr int kIndentWidth = 4;

// The escape of each character below 0x20 that has a short one; \u00XX for the others.
char shortEscape(unsigned char c) {
    switch (c) {
        case '\b':
            return 'b';
        case '\f':
            return 'f';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\t':
            return 't';
        default:
            return 0;
    }
}

// `utf8` as it comes back from a QString made of it: ASCII as it is, an invalid sequence as
// U+FFFD.
std::string roundTripped(std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        return std::string(utf8);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
        .toUtf8()
        .toStdString();
}

// Appends `text` between quotes, with quotes, backslashes and control characters escaped.
void appendQuoted(std::string& out, const std::string& text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            out += c;
        } else if (u >= 0x20 || shortEscape(u) != 0) {
            out += '\\';
            out += u >= 0x20 ? c : shortEscape(u);
        } else {
            out.append("\\u00").append(1, kHex[u >> 4]).append(1, kHex[u & 0xf]);
        }
    }
    out += '"';
}

}  // namespace

JsonOut JsonOut::number(long long value) {
    JsonOut json(Kind::Number);
    json.m_number = value;
    return json;
}

JsonOut JsonOut::boolean(bool value) {
    JsonOut json(Kind::Bool);
    json.m_number = value ? 1 : 0;
    return json;
}

JsonOut JsonOut::text(std::string_view utf8) {
    JsonOut json(Kind::String);
    json.m_text = roundTripped(utf8);
    return json;
}

JsonOut JsonOut::array() {
    return JsonOut(Kind::Array);
}

JsonOut JsonOut::object() {
    return JsonOut(Kind::Object);
}

JsonOut& JsonOut::append(JsonOut value) {
    m_items.push_back(std::move(value));
    return *this;
}

JsonOut& JsonOut::set(std::string_view key, JsonOut value) {
    const auto at = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    const auto index = at - m_keys.begin();
    if (at != m_keys.end() && *at == key) {
        m_items[static_cast<std::size_t>(index)] = std::move(value);
    } else {
        m_keys.insert(at, std::string(key));
        m_items.insert(m_items.begin() + index, std::move(value));
    }
    return *this;
}

std::string JsonOut::indentedText() const {
    std::string out;
    write(out, 0);
    out += '\n';
    return out;
}

// As Qt's writer: "{" or "[", a line for each entry one level in, the closing bracket at `indent`.
void JsonOut::write(std::string& out, int indent) const {
    switch (m_kind) {
        case Kind::Null:
            out += "null";
            return;
        case Kind::Bool:
            out += m_number != 0 ? "true" : "false";
            return;
        case Kind::Number: {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, m_number).ptr;
            out.append(digits, end);
            return;
        }
        case Kind::String:
            appendQuoted(out, m_text);
            return;
        default:
            out += m_kind == Kind::Array ? "[\n" : "{\n";
            writeItems(out, indent + 1);
            out.append(static_cast<std::size_t>(kIndentWidth * indent), ' ');
            out += m_kind == Kind::Array ? ']' : '}';
    }
}

void JsonOut::writeItems(std::string& out, int indent) const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        out.append(static_cast<std::size_t>(kIndentWidth * indent), ' ');
        if (m_kind == Kind::Object)
            out.append(1, '"').append(m_keys[i]).append("\": ");
        m_items[i].write(out, indent);
        out += i + 1 < m_items.size() ? ",\n" : "\n";
    }
}

QJsonValue JsonOut::toQJson() const {
    switch (m_kind) {
        case Kind::Null:
            return QJsonValue(QJsonValue::Null);
        case Kind::Bool:
            return m_number != 0;
        case Kind::Number:
            return static_cast<qint64>(m_number);
        case Kind::String:
            return QString::fromStdString(m_text);
        default:
            break;
    }
    if (m_kind == Kind::Array) {
        QJsonArray array;
        for (const JsonOut& item : m_items)
            array.append(item.toQJson());
        return array;
    }
    QJsonObject object;
    for (std::size_t i = 0; i < m_items.size(); ++i)
        object[QString::fromStdString(m_keys[i])] = m_items[i].toQJson();
    return object;
}

}  // namespace kelvaro
