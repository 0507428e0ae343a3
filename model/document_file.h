// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents on disk: ".kelvaro" files and exported PNGs that carry a recipe chunk.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "io/document_io.h"
#include "io/file_result.h"
#include "model/document_json.h"
#include "model/part_cache.h"

namespace kelvaro {

enum class OpenError {
    Unreadable,    // missing, not a regular file, too large or a read error
    NotADocument,  // neither a document nor a PNG, or a broken one
    NoRecipe,      // a PNG without a Kelvaro recipe
    NewerVersion,
    BadValues,
};

// Why a document could not be opened.
struct OpenFailure {
    OpenError error;
    std::string reason;  // for Unreadable, the system's text for what failed; empty otherwise

    bool operator==(const OpenFailure&) const = default;
};

// The document in a ".kelvaro" file or in the recipe chunk of a PNG (read by readDocumentText,
// io/document_io.h, with its size limit and regular-file rules).
std::variant<DocumentFile, OpenFailure> readDocumentFile(const std::filesystem::path& file);

// The message the editor shows for a failed open: the error's text, the file, and the reason
// on a line of its own when there is one.
std::string openErrorMessage(const OpenFailure& failure, const std::filesystem::path& file);

// The message for a document that could not be written, with the file and the failure's reason.
std::string saveErrorMessage(const std::filesystem::path& file, const FileResult& failure);

// Writes the document's JSON in one atomic replacement (writeDocumentText); a failure, the old
// file untouched, with its reason.
FileResult writeDocumentFile(const std::filesystem::path& file, const DocumentFile& document);

// The document of the portrait with the part files each layer of its base shows (the base also
// while an expression is edited) and their hashes.
DocumentFile documentOf(const PortraitState& state);

// The part file each layer of `portrait`'s base shows from the library at `base`, relative to it,
// with its hash as `cache` keeps it: the records documentOf gives a document.
std::array<PartFileRecord, kLayerCount> partRecordsOf(const PortraitDocument& portrait,
                                                      const std::filesystem::path& base,
                                                      PartCache& cache);

// The relative paths of the part files whose bytes differ from what the document recorded (or
// that are missing now), each once, in layer order; hashed through `cache`. A record without a
// hash (the file was missing when the portrait was saved) is never listed.
std::vector<std::string> changedPartFiles(const DocumentFile& document,
                                          const std::filesystem::path& base,
                                          PartCache& cache = sharedPartCache());

// "the library changed since this portrait was saved", with the changed files listed.
std::string libraryChangedMessage(const std::vector<std::string>& files);

}  // namespace kelvaro
