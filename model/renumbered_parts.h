// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits opened on a library that changed since they were saved. A document records the file
// and SHA-256 of every layer's part; when an element's primary file no longer matches at its
// number but a file of the same folder has the recorded bytes, the part was renumbered and the
// portrait takes it from its new number. What still differs is listed as changed or missing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/document_json.h"
#include "model/part_cache.h"

namespace kelvaro {

// An element whose part the document names as `from` and the library now holds as `to`.
struct RenumberedPart {
    int element = 0;
    int from = 0;
    int to = 0;
    friend bool operator==(const RenumberedPart&, const RenumberedPart&) = default;
};

// What opening a document found in the library: the renumbered parts, in element order, and the
// part files that differ or are missing after them (changedPartFiles).
struct LibraryChanges {
    std::vector<RenumberedPart> renumbered;
    std::vector<std::string> changed;

    bool any() const { return !renumbered.empty() || !changed.empty(); }
};

// The lowest part number of `folder` (below the library at `base`), other than `skipped`, whose
// file has the SHA-256 `hash`; nothing when no file has it. The folder is listed once and only
// its NNN.png files are hashed, through `cache`, in ascending order up to the first match: of
// two identical files the lower number is taken, whatever order the folder lists them in.
std::optional<int> partNumberWithHash(const std::filesystem::path& base, std::string_view folder,
                                      const std::string& hash, int skipped, PartCache& cache);

// The elements of `document` whose primary part file no longer has the recorded bytes at its
// recorded number while another file of the folder has them. An element whose record names no
// hash, or another file than its part number, is never looked for.
std::vector<RenumberedPart> findRenumberedParts(const DocumentFile& document,
                                                const std::filesystem::path& base,
                                                PartCache& cache);

// Makes `document` show each renumbered part at its new number: the element's part, every
// expression override of the element that named the old number, and the part file records of
// the element's layers, which then name the files the document's bytes are expected in.
void useRenumberedParts(DocumentFile& document, const std::vector<RenumberedPart>& renumbered);

// Finds the renumbered parts of `document` on the library at `base`, makes the document use
// them, and lists what differs after that.
LibraryChanges followLibrary(DocumentFile& document, const std::filesystem::path& base,
                             PartCache& cache = sharedPartCache());

// The line listing one renumbered part: "<primary folder>: NNN → MMM".
std::string renumberedLine(const RenumberedPart& part);

// The lines of the library-changed message after its heading: the changed files, then a line
// for each renumbered part.
std::vector<std::string> listedChanges(const LibraryChanges& changes);

}  // namespace kelvaro
