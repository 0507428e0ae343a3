// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "i18n/interface_language.h"
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

TEST(CommandLineMessages, OptionMistakesNameTheOptionInTheInstalledLanguage) {
    struct Row {
        InterfaceLanguage language;
        std::string (*message)(std::string_view option);
        const char* expected;
    };
    const Row rows[] = {
        {InterfaceLanguage::Source, unknownOptionMessage, "不明なオプションです: --bogus"},
        {InterfaceLanguage::Source, missingValueMessage, "オプションに値がありません: --bogus"},
        {InterfaceLanguage::Japanese, unknownOptionMessage, "不明なオプションです: --bogus"},
        {InterfaceLanguage::Japanese, missingValueMessage, "オプションに値がありません: --bogus"},
        {InterfaceLanguage::English, unknownOptionMessage, "Unknown option: --bogus"},
        {InterfaceLanguage::English, missingValueMessage, "Option without a value: --bogus"},
    };
    Translations translations;  // removes what it installed when the test ends
    for (const Row& row : rows) {
        translations.install(row.language);
        EXPECT_EQ(row.message("--bogus"), row.expected) << row.expected;
    }
}

}  // namespace
}  // namespace kelvaro
