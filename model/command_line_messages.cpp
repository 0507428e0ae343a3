// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/command_line_messages.h"

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

}  // namespace kelvaro
