// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Exported portrait files: the picture encoded by imaging/ (export.h), a PNG with the portrait's
// document in its recipe chunk (io/png_recipe.h), written by the atomic writer
// (io/file_writer.h). "Zapisz" and kelvaro-render write their pictures through here.
#pragma once

#include <QtGlobal>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "imaging/export.h"
#include "io/file_result.h"

namespace kelvaro {

// The reason given when a picture could not be encoded (no encoder for its format), as written;
// a failure carries it in the language installed then.
inline constexpr std::string_view kEncodingFailed =
    QT_TRANSLATE_NOOP("PortraitExport", "画像のエンコードに失敗しました");

// The encoded picture `encoded` in `format` as a file's bytes: a PNG with `recipe`, when given,
// in its recipe chunk; a BMP, or a PNG without recipe, as it is. Nothing when `encoded` is
// nothing or the recipe does not fit a chunk.
std::optional<std::string> withRecipe(std::optional<std::string> encoded, ExportFormat format,
                                      std::string_view recipe);

// The bytes exportPortrait writes: encodePortrait's picture withRecipe.
std::optional<std::string> portraitFileBytes(const CanvasPixels& canvas, int sizeChoice,
                                             ExportFormat format, std::string_view recipe = {});

// The bytes of an image file: encodeImage's picture withRecipe.
std::optional<std::string> imageFileBytes(const PortraitImage& image, ExportFormat format,
                                          std::string_view recipe = {},
                                          PngCompression compression = PngCompression::AsZapisz);

// Writes `bytes` to `file` by replaceFileAtomically; a failure for kEncodingFailed when there
// are no bytes.
FileResult writePictureFile(const std::filesystem::path& file,
                            const std::optional<std::string>& bytes);

// Writes the captured canvas, scaled with a smooth filter to the size choice's edge length, to
// `file` as PNG or 24-bit BMP, the format chosen by the name (exportFormatFor), a PNG carrying
// `recipe` when given. A failed write leaves an existing file as it was and no temporary file
// behind; its reason says why (a target that exists but is not a regular file the user may
// write, an unwritable or missing folder, an invalid name, a full disk, a missing encoder).
FileResult exportPortrait(const CanvasPixels& canvas, int sizeChoice,
                          const std::filesystem::path& file, std::string_view recipe = {});

}  // namespace kelvaro
