// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A character's faces as files of their own: one name per face, after the face's name.
#pragma once

#include <string>
#include <vector>

#include "model/expression_set.h"

namespace kelvaro {

// The file name (with ".png") of every face of `set`: the base "Neutralna", then each expression
// after its name. A name is made safe for a file: '/' and control characters become '_', blanks
// at its ends go, at most 200 bytes are kept (whole UTF-8 characters), and a name that is left
// empty, "." or ".." becomes "Mina". A name met before gets " (2)", " (3)", ...
std::vector<std::string> faceFileNames(const ExpressionSet& set);

}  // namespace kelvaro
