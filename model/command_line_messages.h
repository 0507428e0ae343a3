// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the command-line programs (kelvaro-render, kelvaro-library) print about a failure: the
// messages, written over several lines for the editor's message boxes, as one line of a terminal,
// and the mistakes in options both programs report alike, under one translation context.
#pragma once

#include <string>
#include <string_view>

namespace kelvaro {

// `message` as one line: each of its line breaks replaced by ": ", so that a message, the file
// it concerns and the reason follow one another. Nothing else changes; an empty message stays
// empty.
std::string failureLine(std::string_view message);

// "不明なオプションです: OPTION" in the installed language: `option` is not one of the program's.
std::string unknownOptionMessage(std::string_view option);

// "オプションに値がありません: OPTION" in the installed language: `option` takes a value and the
// command line ends after it.
std::string missingValueMessage(std::string_view option);

}  // namespace kelvaro
