// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The document writers' JSON text: byte for byte what QJsonDocument writes for the same value
// built with Qt's own containers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <string>

#include "model/json_out.h"

namespace kelvaro {
namespace {

// A root object holding `value` under "v", built both ways.
struct Row {
    const char* name;
    std::function<JsonOut()> ours;
    std::function<QJsonValue()> qt;
};

JsonOut rootOf(JsonOut value) {
    JsonOut root = JsonOut::object();
    root.set("v", std::move(value));
    return root;
}

// Text as the old writers handed it to Qt: QString::fromUtf8.
QJsonValue qtText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

using namespace std::string_literals;  // the text as written, NUL included

const std::string kStrings[] = {
    "",
    "picture/face/001.png",
    "quote \" backslash \\ slash /",
    "controls \b\f\n\r\t \x01\x1f\x7f end"s,
    "nul \0 inside"s,
    "Radość, Śmiech, Złość",
    "笑顔 😀",
    "invalid \xff\xfe and cut \xc5",
    "surrogate \xed\xa0\x80 overlong \xc0\xaf",
};

TEST(JsonOut, TextIsQtsTextForTheSameValue) {
    std::vector<Row> rows = {
        {"null", [] { return JsonOut(); }, [] { return QJsonValue(QJsonValue::Null); }},
        {"true", [] { return JsonOut::boolean(true); }, [] { return QJsonValue(true); }},
        {"false", [] { return JsonOut::boolean(false); }, [] { return QJsonValue(false); }},
        {"numbers",
         [] {
             JsonOut a = JsonOut::array();
             for (long long n : {0LL, -1LL, 255LL, -2147483648LL, 9007199254740991LL})
                 a.append(JsonOut::number(n));
             return a;
         },
         [] {
             return QJsonArray{0, -1, 255, static_cast<qint64>(-2147483648LL),
                               static_cast<qint64>(9007199254740991LL)};
         }},
        {"empty array and object",
         [] { return JsonOut::array().append(JsonOut::object()).append(JsonOut::array()); },
         [] {
             return QJsonArray{QJsonObject{}, QJsonArray{}};
         }},
        {"keys sorted, a key set twice, nested",
         [] {
             JsonOut inner = JsonOut::object();
             inner.set("b", JsonOut::number(1)).set("a", JsonOut::array().append(JsonOut()));
             JsonOut o = JsonOut::object();
             o.set("10", JsonOut::number(1)).set("2", JsonOut::number(2));
             o.set("1", JsonOut::number(3)).set("2", JsonOut::number(4));
             return o.set("Z", std::move(inner)).set("a", JsonOut::text("x"));
         },
         [] {
             return QJsonObject{{"10", 1},
                                {"2", 4},
                                {"1", 3},
                                {"Z", QJsonObject{{"b", 1}, {"a", QJsonArray{QJsonValue()}}}},
                                {"a", "x"}};
         }},
    };
    for (const std::string& text : kStrings)
        rows.push_back({text.c_str(), [text] { return JsonOut::text(text); },
                        [text] { return qtText(text); }});
    for (const Row& r : rows) {
        const std::string expected =
            QJsonDocument(QJsonObject{{"v", r.qt()}}).toJson(QJsonDocument::Indented).toStdString();
        const JsonOut ours = rootOf(r.ours());
        EXPECT_EQ(ours.indentedText(), expected) << r.name;
        EXPECT_EQ(QJsonDocument(ours.toQJson().toObject()).toJson().toStdString(), expected)
            << r.name;
    }
}

}  // namespace
}  // namespace kelvaro
