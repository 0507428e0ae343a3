// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_export.h"

#include "i18n/message_text.h"
#include "io/file_writer.h"
#include "io/png_recipe.h"

namespace kelvaro {

std::optional<std::string> withRecipe(std::optional<std::string> encoded, ExportFormat format,
                                      std::string_view recipe) {
    if (!encoded || format != ExportFormat::Png || recipe.empty())
        return encoded;
    return withTextChunk(*encoded, kRecipeKeyword, recipe);
}

std::optional<std::string> portraitFileBytes(const CanvasPixels& canvas, int sizeChoice,
                                             ExportFormat format, std::string_view recipe) {
    return withRecipe(encodePortrait(canvas, sizeChoice, format), format, recipe);
}

std::optional<std::string> imageFileBytes(const PortraitImage& image, ExportFormat format,
                                          std::string_view recipe, PngCompression compression) {
    return withRecipe(encodeImage(image, format, compression), format, recipe);
}

FileResult writePictureFile(const std::filesystem::path& file,
                            const std::optional<std::string>& bytes) {
    if (!bytes)
        return failureBecause(translatedText("PortraitExport", kEncodingFailed));
    return replaceFileAtomically(file, *bytes);
}

FileResult exportPortrait(const CanvasPixels& canvas, int sizeChoice,
                          const std::filesystem::path& file, std::string_view recipe) {
    return writePictureFile(file,
                            portraitFileBytes(canvas, sizeChoice, exportFormatFor(file), recipe));
}

}  // namespace kelvaro
