// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/command_line_messages.h"

#include <QCoreApplication>

#include "i18n/message_text.h"

namespace kelvaro {

std::string failureLine(std::string_view message) {
    std::string line;
    line.reserve(message.size());
    for (const char c : message) {
        if (c == '\n')
            line += ": ";
        else
            line += c;
    }
    return line;
}

std::string unknownOptionMessage(std::string_view option) {
    return composeMessage(
        QCoreApplication::translate("CommandLineOptions", "不明なオプションです: %1"), {option});
}

std::string missingValueMessage(std::string_view option) {
    return composeMessage(
        QCoreApplication::translate("CommandLineOptions", "オプションに値がありません: %1"),
        {option});
}

}  // namespace kelvaro
