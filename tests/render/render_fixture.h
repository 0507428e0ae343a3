// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits on the sample library for the renderer's tests, written as documents.
#pragma once

#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "model/document_json.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {

// The sample library's opening portrait with moves, turns, tints of several kinds and parts other
// than 000; `variant` (0, 1, 2, ...) picks other parts, moves and tints.
PortraitDocument variedPortrait(int variant);

// variedPortrait(variant) with the expressions named `names`, in order: the first moves and turns
// the eyes with another part, the second changes the mouth, the third lifts the brows, and so
// on round; the base is edited.
PortraitDocument expressivePortrait(int variant, const std::vector<std::string>& names);

// Writes `document` as a .kelvaro document, making the folders it needs, with the sample
// library's part files it shows and their hashes, as a save records them.
void writeDocument(const std::filesystem::path& file, const PortraitDocument& document);

// Writes variedPortrait(variant) as a .kelvaro document.
void writePortrait(const std::filesystem::path& file, int variant);

// The document in a written file (a .kelvaro or a PNG's recipe); fails the test otherwise.
DocumentFile documentIn(const std::filesystem::path& file);

// The file's path as the renderer's command line takes it.
QString q(const std::filesystem::path& file);

// Fails the test unless the renderer succeeded without a word.
void expectSuccess(const RenderResult& result);

// "--library <sample library>" followed by `arguments`.
QStringList onSample(const QStringList& arguments);

}  // namespace kelvaro::test
