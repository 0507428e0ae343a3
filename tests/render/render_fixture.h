// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits on the sample library for the renderer's tests, written as documents.
#pragma once

#include <QStringList>
#include <filesystem>

#include "model/document_json.h"

namespace kelvaro::test {

// The sample library's opening portrait with moves, turns, tints of several kinds and parts other
// than 000; `variant` (0, 1, 2, ...) picks other parts, moves and tints.
PortraitDocument variedPortrait(int variant);

// Writes variedPortrait(variant) as a .kelvaro document.
void writePortrait(const std::filesystem::path& file, int variant);

// The document in a written file (a .kelvaro or a PNG's recipe); fails the test otherwise.
DocumentFile documentIn(const std::filesystem::path& file);

// "--library <sample library>" followed by `arguments`.
QStringList onSample(const QStringList& arguments);

}  // namespace kelvaro::test
