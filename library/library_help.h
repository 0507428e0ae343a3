// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-library's help texts, in English through the translation system (context
// "LibraryHelp"), as the desktop's language asks.
#pragma once

#include <string>

namespace kelvaro::library {

// `kelvaro-library --help`: both commands and the options of the program.
std::string programHelp();

// `kelvaro-library check --help`.
std::string checkHelp();

// `kelvaro-library add --help`.
std::string addHelp();

}  // namespace kelvaro::library
