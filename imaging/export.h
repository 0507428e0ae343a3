// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Export of the composed portrait as a square PNG or BMP file.
//
// The exported image is the canvas with every pixel made opaque, scaled to the edge length of
// the size choice. The file format follows the extension of the chosen file name alone.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "imaging/pixels.h"

namespace kelvaro {

enum class ExportFormat { Png, Bmp };

// Edge length of the exported image: 48 for size choice 0, 96 for 1, 192 for any other value.
int exportEdgeLength(int sizeChoice);

// The characters after the last dot of the file's name (not of a folder), without the dot;
// empty when the name has no dot.
std::string extensionOf(const std::filesystem::path& file);

// PNG only when the extension is exactly "png" (case-sensitive); BMP for everything else.
ExportFormat exportFormatFor(const std::filesystem::path& file);

// "image/png" or "image/bmp".
const char* mimeTypeOf(ExportFormat format);

// The canvas as exported at full size: each pixel's stored colour bytes with alpha 255. The
// canvas is premultiplied, so with the alpha forced to 255 the colour is the one shown.
void captureOpaque(const CanvasPixels& canvas, CanvasPixels& capture);

// The name of the first installed encoder whose MIME type equals `mimeType` exactly
// (case-sensitive), or nothing when none does.
std::optional<std::string> findEncoderFormat(std::string_view mimeType);

// Writes the captured canvas, scaled with a smooth filter to the size choice's edge length, to
// `file` as PNG or 24-bit BMP. The image is encoded in memory (encodePortrait) and written by
// replaceFileAtomically (file_boundary.h), so a failed write leaves an existing file as it was
// and no temporary file behind. Returns whether the file was written; false for a target that
// exists but is not a regular file the user may write, an unwritable or missing folder, an
// invalid name, a full disk or a missing encoder. A PNG also carries `recipe`, when given, in
// its recipe chunk (see png_recipe.h); a BMP carries nothing.
bool exportPortrait(const CanvasPixels& canvas, int sizeChoice, const std::filesystem::path& file,
                    std::string_view recipe = {});

// The bytes exportPortrait writes for that size and format, or nothing when encoding fails.
std::optional<std::string> encodePortrait(const CanvasPixels& canvas, int sizeChoice,
                                          ExportFormat format, std::string_view recipe = {});

}  // namespace kelvaro
