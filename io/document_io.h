// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents as bytes on disk: the document text of a ".kelvaro" file or of the recipe
// chunk of an exported PNG (see png_recipe.h), and the document file written atomically. What
// the text means is model/'s business.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "io/file_result.h"

namespace kelvaro {

// The largest file taken for a document (a portrait file is a few kilobytes).
inline constexpr std::uintmax_t kLargestDocumentFile = 16u << 20;

// What reading a document file gave.
struct DocumentText {
    FileResult file;             // a failure: the file could not be read, and why
    bool recipeMissing = false;  // a PNG without a readable recipe chunk
    std::string text;            // otherwise the document text: the file's, or its recipe's
};

// Reads the regular file at `file` (at most kLargestDocumentFile bytes): a PNG gives the text
// of its recipe chunk, any other file its whole content.
DocumentText readDocumentText(const std::filesystem::path& file);

// Writes the document text to `file` by replaceFileAtomically (file_writer.h).
FileResult writeDocumentText(const std::filesystem::path& file, std::string_view text);

}  // namespace kelvaro
