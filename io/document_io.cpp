// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/document_io.h"

#include "io/file_boundary.h"
#include "io/file_writer.h"
#include "io/png_recipe.h"

namespace kelvaro {

DocumentText readDocumentText(const std::filesystem::path& file) {
    FileBytes read = readRegularFile(file, kLargestDocumentFile);
    DocumentText document{std::move(read.result), false, {}};
    if (!document.file)
        return document;
    if (!hasPngSignature(read.bytes)) {
        document.text = std::move(read.bytes);
        return document;
    }
    auto recipe = readTextChunk(read.bytes, kRecipeKeyword);
    document.recipeMissing = !recipe.has_value();
    document.text = std::move(recipe).value_or(std::string());
    return document;
}

FileResult writeDocumentText(const std::filesystem::path& file, std::string_view text) {
    return replaceFileAtomically(file, text);
}

}  // namespace kelvaro
