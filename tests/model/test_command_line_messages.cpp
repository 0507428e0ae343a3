// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/command_line_messages.h"

namespace kelvaro {
namespace {

TEST(CommandLineMessages, AFailureLineJoinsTheMessagesLinesWithAColon) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"部品ファイル\n/a/001.png\n読み込めません", "部品ファイル: /a/001.png: 読み込めません"},
        {"one line", "one line"},
        {"ends\n", "ends: "},
        {"\n\n", ": : "},
        {"", ""},
        {"carriage\r\nreturn", "carriage\r: return"},  // only the line feed breaks a line
    };
    for (const auto& [message, line] : rows)
        EXPECT_EQ(failureLine(message), line) << message;
}

}  // namespace
}  // namespace kelvaro
