// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents on disk: ".kelvaro" files and exported PNGs that carry a recipe chunk.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "model/document_json.h"

namespace kelvaro {

// The largest file taken for a document (a portrait file is a few kilobytes).
inline constexpr std::uintmax_t kLargestDocumentFile = 16u << 20;

enum class OpenError {
    Unreadable,    // missing, not a regular file, too large or a read error
    NotADocument,  // neither a document nor a PNG, or a broken one
    NoRecipe,      // a PNG without a Kelvaro recipe
    NewerVersion,
    BadValues,
};

// The document in a ".kelvaro" file or in the recipe chunk of a PNG.
std::variant<DocumentFile, OpenError> readDocumentFile(const std::filesystem::path& file);

// The message the editor shows for a failed open.
std::string openErrorMessage(OpenError error, const std::filesystem::path& file);

// The message for a document that could not be written.
std::string saveErrorMessage(const std::filesystem::path& file);

// Writes the document's JSON in one atomic replacement; false (the old file untouched) on any
// failure.
bool writeDocumentFile(const std::filesystem::path& file, const DocumentFile& document);

// The document of the portrait with the part files each layer shows and their hashes.
DocumentFile documentOf(const PortraitState& state);

// The relative paths of the part files whose bytes differ from what the document recorded (or
// that are missing now), each once, in layer order.
std::vector<std::string> changedPartFiles(const DocumentFile& document,
                                          const std::filesystem::path& base);

// "the library changed since this portrait was saved", with the changed files listed.
std::string libraryChangedMessage(const std::vector<std::string>& files);

}  // namespace kelvaro
