// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The file names of a portrait's faces when each is written on its own: the base as
// "Neutralna", each expression under its name made safe for a file name, each name once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/expression_set.h"

namespace kelvaro::render {

// The name the base face is written under.
inline constexpr std::string_view kBaseFaceName = "Neutralna";

// The longest name a face gets, in bytes, before a " (2)" and the suffix.
inline constexpr std::size_t kLongestFaceName = 200;

// `name` as a file name: each '/' and NUL becomes '_', "." and ".." become "_" and "__", and a
// longer name is cut to kLongestFaceName bytes without splitting a UTF-8 character.
std::string safeFileName(std::string_view name);

// The names (without suffix) of the faces of `set` in order, the base first: each safe, and a
// name already given to an earlier face followed by " (2)", " (3)" ... until it is free.
std::vector<std::string> faceFileNames(const ExpressionSet& set);

}  // namespace kelvaro::render
