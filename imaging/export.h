// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Export of the composed portrait as a square PNG or BMP image, encoded in memory; the file is
// written one level up (model/portrait_export.h).
//
// The exported image is the canvas with every pixel made opaque, scaled to the edge length of
// the size choice. The file format follows the extension of the chosen file name alone.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A canvas pixel as exported: its stored colour bytes with alpha 255. The canvas is
// premultiplied, so with the alpha forced to 255 the colour is the one shown.
constexpr Argb exportedPixel(Argb canvasPixel) {
    return canvasPixel | 0xff000000u;
}

// The canvas as exported at full size: exportedPixel of each pixel.
void captureOpaque(const CanvasPixels& canvas, CanvasPixels& capture);

// The name of the first installed encoder whose MIME type equals `mimeType` exactly
// (case-sensitive), or nothing when none does.
std::optional<std::string> findEncoderFormat(std::string_view mimeType);

// The captured canvas, scaled with a smooth filter to the size choice's edge length, encoded in
// memory as PNG or 24-bit BMP: the picture "Zapisz" saves, without its recipe. Nothing when
// encoding fails (a missing encoder). The same as
// encodeImage(scaledPortrait(canvas, exportEdgeLength(sizeChoice), Opaque), format).
std::optional<std::string> encodePortrait(const CanvasPixels& canvas, int sizeChoice,
                                          ExportFormat format);

// What a scaled portrait keeps: Opaque, the capture as export writes it (every pixel opaque, the
// colour bytes as shown); Transparent, the canvas's own alpha (compose it without the wall and
// without an opaque base), the colours made straight.
enum class Backdrop { Opaque, Transparent };

// An image in 0xAARRGGBB pixels with straight alpha, rows top to bottom without gaps.
struct PortraitImage {
    int width = 0;
    int height = 0;
    Backdrop backdrop = Backdrop::Opaque;
    std::vector<Argb> pixels;
};

// Edge lengths a portrait may be scaled to.
inline constexpr int kSmallestEdge = 16;
inline constexpr int kLargestEdge = 1024;

// The premultiplied canvas scaled to edge x edge pixels (kSmallestEdge..kLargestEdge) with the
// smooth filter export uses; at 192 the canvas itself. Scaling a transparent canvas filters
// premultiplied pixels, so no colour bleeds out of transparent ones. An image of 0x0 pixels,
// which no encoder takes, when there is no memory for it.
PortraitImage scaledPortrait(const CanvasPixels& canvas, int edge, Backdrop backdrop);

// A transparent image of width x height pixels to place portraits on.
PortraitImage emptySheet(int width, int height);

// Copies `cell` into `sheet` with its top left corner at (left, top); whatever falls outside the
// sheet is left out.
void placeImage(const PortraitImage& cell, PortraitImage& sheet, int left, int top);

// How a PNG is encoded: as "Zapisz" writes it (Qt's writer, zlib's default level), or for bulk
// output (imaging/png_quick_writer.h), in about a third of the time and for face sheets a smaller
// file. Both decode to the same pixels.
enum class PngCompression { AsZapisz, Fastest };

// The image as PNG or BMP bytes (an opaque image as 24-bit colour, a transparent one as PNG with
// an alpha channel; BMP holds no alpha); nothing when encoding fails.
std::optional<std::string> encodeImage(const PortraitImage& image, ExportFormat format,
                                       PngCompression compression = PngCompression::AsZapisz);

}  // namespace kelvaro
