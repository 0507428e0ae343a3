// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What `kelvaro-library check` prints: a table of the library's elements and folders followed by
// one line per finding, or the same report as JSON for other tools.
#pragma once

#include <string>

#include "model/library_check.h"

namespace kelvaro::library {

// The report for people: the library's folder, a table (element, folder, parts, highest,
// problems; headings in English, translated), the line of each finding (findingLine) and a last
// line saying how many were found.
std::string humanReport(const LibraryReport& report);

// The report as an indented JSON object: "base", "clean", "elements" (each with "element",
// "name" and its "folders": "folder", "primary", "parts", "highest") and "findings" (each with
// "kind", "path", "message", and as the kind has them "element", "folder", "number", "numbers",
// "width", "height", "fit", "format").
std::string jsonReport(const LibraryReport& report);

}  // namespace kelvaro::library
