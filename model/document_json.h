// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents as UTF-8 JSON: the text of ".kelvaro" files and of the recipe chunk in
// exported PNGs.
//
// {"format": "Kelvaro portrait", "version": "1.1", "element": 0, "size": 0,
//  "colours": {...}, "bars": {...}, "irisMask": {"dx": 0, "dy": 0} or null, "linked": [9, 10],
//  "layers": [24 x {"folder", "part", "x", "y", "angle", "colours", "recoloured", "file",
//                   "sha256"}], "seed": "..." (optional)}
// where a colour object is {"red", "green", "blue", "brightness", "contrast"}. Readers ignore
// fields they do not know and refuse a newer major version; a 1.0 document (without "linked")
// opens with nothing linked. Version 1.2 adds "expressions" and "editedExpression"
// (expression_json.h), written only when the portrait has expressions; without them a document
// opens with the base alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/portrait_document.h"

namespace kelvaro {

inline constexpr std::string_view kDocumentFormatName = "Kelvaro portrait";
inline constexpr int kDocumentMajorVersion = 1;
inline constexpr int kDocumentMinorVersion = 2;
// The minor version of documents without expressions, which are written as before they existed.
inline constexpr int kDocumentMinorWithoutExpressions = 1;

// The part file a layer shows, relative to the library's base folder, and the SHA-256 of its
// bytes in lower-case hex (none when it could not be read).
struct PartFileRecord {
    std::string path;
    std::optional<std::string> sha256;
    friend bool operator==(const PartFileRecord&, const PartFileRecord&) = default;
};

struct DocumentFile {
    PortraitDocument portrait;
    std::array<PartFileRecord, kLayerCount> parts{};  // by layer
    std::optional<std::uint64_t> seed;                // of a portrait drawn by the renderer
};

enum class DocumentError {
    NotADocument,  // not JSON, not an object, or another format
    NewerVersion,  // written by a later Kelvaro with another major version
    BadValues,     // a field missing, of the wrong type or out of range
};

std::string writeDocumentJson(const DocumentFile& file);

std::variant<DocumentFile, DocumentError> readDocumentJson(std::string_view bytes);

}  // namespace kelvaro
