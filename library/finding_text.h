// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The line check prints for each finding, in the program's own words (Japanese, translated as
// the desktop's language asks), ending with the file or folder it is about.
#pragma once

#include <string>
#include <vector>

#include "model/library_check.h"

namespace kelvaro::library {

// Part numbers as runs, three digits each: {3, 4, 5, 9} gives "003-005, 009".
std::string numberRuns(const std::vector<int>& numbers);

// The finding's line, without a line break at its end.
std::string findingLine(const Finding& finding);

}  // namespace kelvaro::library
