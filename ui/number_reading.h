// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Reading whole numbers typed into the editor's edits.
#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

// The data exchange's "%d" reading: leading blanks skipped, an optional sign and the digits
// after it make the value, anything after them is ignored ("12abc" is 12). Text that does not
// begin with a number gives nothing. A value past the 32-bit range saturates.
std::optional<int> readWholeNumber(std::string_view text);

// The edits' own reading of a signed number: leading blanks skipped, an optional minus sign,
// the digits after it; a trailing rest is ignored. Text without digits, and a value past the
// 32-bit range, are not a number.
std::optional<int> readEditNumber(std::string_view text);

}  // namespace kelvaro
