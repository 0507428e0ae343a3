// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/renumbered_parts.h"

#include <cstdio>

#include "model/document_file.h"
#include "model/part_folder_listing.h"
#include "model/part_hash.h"
#include "model/part_library.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// The part file path `layer`'s record should name for part `number`, relative to the base.
std::string recordPath(int layer, int number) {
    return partPath(fs::path(), layerInfo(layer).folder, number).generic_string();
}

// Where `element`'s primary part of `document` went; nothing when it is still in its place, was
// not recorded, or is nowhere in its folder.
std::optional<RenumberedPart> renumberedElement(const DocumentFile& document, int element,
                                                const fs::path& base, PartCache& cache) {
    const int from = document.portrait.layers[static_cast<std::size_t>(element)].partNumber;
    const PartFileRecord& record = document.parts[static_cast<std::size_t>(element)];
    if (!record.sha256 || record.path != recordPath(element, from))
        return std::nullopt;
    if (partFileHash(base / record.path, cache) == record.sha256)
        return std::nullopt;
    const auto to = partNumberWithHash(base, countedFolder(element), *record.sha256, from, cache);
    if (!to)
        return std::nullopt;
    return RenumberedPart{element, from, *to};
}

}  // namespace

std::optional<int> partNumberWithHash(const fs::path& base, std::string_view folder,
                                      const std::string& hash, int skipped, PartCache& cache) {
    const fs::path folderPath = partPath(base, folder, 0).parent_path();
    for (const int number : listPartFolder(folderPath).present()) {
        if (number != skipped && partFileHash(partPath(base, folder, number), cache) == hash)
            return number;
    }
    return std::nullopt;
}

std::vector<RenumberedPart> findRenumberedParts(const DocumentFile& document, const fs::path& base,
                                                PartCache& cache) {
    std::vector<RenumberedPart> found;
    for (int element = 0; element < kElementCount; ++element) {
        if (auto part = renumberedElement(document, element, base, cache))
            found.push_back(*part);
    }
    return found;
}

void useRenumberedParts(DocumentFile& document, const std::vector<RenumberedPart>& renumbered) {
    for (const RenumberedPart& part : renumbered) {
        document.portrait.layers[static_cast<std::size_t>(part.element)].partNumber = part.to;
        for (Expression& expression : document.portrait.expressions.expressions) {
            auto& change = expression.overrides[static_cast<std::size_t>(part.element)];
            if (change && change->part == part.from)
                change->part = part.to;
        }
        for (const int layer : loadGroup(part.element)) {
            PartFileRecord& record = document.parts[static_cast<std::size_t>(layer)];
            if (record.path == recordPath(layer, part.from))
                record.path = recordPath(layer, part.to);
        }
    }
}

LibraryChanges followLibrary(DocumentFile& document, const fs::path& base, PartCache& cache) {
    LibraryChanges changes;
    changes.renumbered = findRenumberedParts(document, base, cache);
    useRenumberedParts(document, changes.renumbered);
    changes.changed = changedPartFiles(document, base, cache);
    return changes;
}

std::string renumberedLine(const RenumberedPart& part) {
    char numbers[32];
    std::snprintf(numbers, sizeof numbers, ": %03d \u2192 %03d", part.from, part.to);
    return std::string(countedFolder(part.element)) + numbers;
}

std::vector<std::string> listedChanges(const LibraryChanges& changes) {
    std::vector<std::string> lines = changes.changed;
    for (const RenumberedPart& part : changes.renumbered)
        lines.push_back(renumberedLine(part));
    return lines;
}

}  // namespace kelvaro
