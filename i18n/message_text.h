// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#pragma once
// Messages composed in the language installed when they are made. A message's text is written
// in the code in the source language (Japanese) with %1, %2 ... where values go, so that a
// translation can move them; lupdate reads it from QCoreApplication::translate or, in constant
// tables, from QT_TRANSLATE_NOOP. With no catalogue installed the source text comes out as it is.
#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvaro {

// `pattern` (a text as QCoreApplication::translate gives it) as UTF-8, each %1 to %9 replaced
// by the value of that number, byte for byte (a path keeps its bytes whatever their encoding).
// One pass: a value that holds "%2" is not replaced again. A % with no value of its number
// stays as it is.
std::string composeMessage(const QString& pattern,
                           std::initializer_list<std::string_view> values = {});

// The translation of `source` in `context`, as UTF-8: for texts kept in constant tables with
// QT_TRANSLATE_NOOP(context, source). `source` must be the table's own text.
std::string translatedText(const char* context, std::string_view source);

}  // namespace kelvaro
