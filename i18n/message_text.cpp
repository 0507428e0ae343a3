// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "i18n/message_text.h"

#include <QCoreApplication>

namespace kelvaro {

std::string composeMessage(const QString& pattern, std::initializer_list<std::string_view> values) {
    const std::string text = pattern.toStdString();
    std::string message;
    message.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t number =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '0')
                : 0;
        if (number == 0 || number > values.size()) {
            message += text[i];
            continue;
        }
        message += values.begin()[number - 1];
        ++i;
    }
    return message;
}

std::string translatedText(const char* context, std::string_view source) {
    const std::string terminated(source);
    return QCoreApplication::translate(context, terminated.c_str()).toStdString();
}

}  // namespace kelvaro
