// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "i18n/message_text.h"

namespace kelvaro {
namespace {

TEST(MessageText, PlaceHoldersTakeTheirValuesByteForByteInOnePass) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        std::string expected;
    };
    const Case cases[] = {
        {"部品ファイル\n%1が存在しません",
         {"/a/dummy.png"},
         "部品ファイル\n/a/dummy.pngが存在しません"},
        {"%2 then %1", {"one", "two"}, "two then one"},  // a translation may move the values
        {"%1/%1", {"x"}, "x/x"},
        {"%1", {"%2"}, "%2"},            // a value is not read again
        {"%1 %2", {"only"}, "only %2"},  // no value of that number: kept
        {"100% %0 %", {"v"}, "100% %0 %"},
        {"%1", {std::string_view("\xff\xfe/p", 4)}, std::string("\xff\xfe/p", 4)},
        {"", {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(composeMessage(QString::fromUtf8(c.pattern), c.values), c.expected) << c.pattern;
}

}  // namespace
}  // namespace kelvaro
