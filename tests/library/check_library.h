// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A small part library with nothing wrong in it, for the tests of check to spoil one way at a
// time: parts 000..002 of every layer folder, part 000 of the optional elements transparent, a
// 192x192 wall and a transparent dummy.
#pragma once

#include <filesystem>
#include <string>

#include "model/library_check.h"

namespace kelvaro::test {

inline constexpr int kCheckLibraryParts = 3;

// Writes the library below `base` (base/picture/...).
void writeCleanLibrary(const std::filesystem::path& base);

// A finding as one line of text, paths below `base` written relative to it: "kind element
// folder path #number [numbers] WxH fit format", each field only when the finding has it.
std::string describe(const Finding& finding, const std::filesystem::path& base);

}  // namespace kelvaro::test
