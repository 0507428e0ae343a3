// Decoding part and background files into the pipeline's pixel buffers.
//
// A file that is missing, not a regular file, corrupt, truncated or declares an image too large
// to decode safely is a failed decode: the output buffer is left untouched and false returned.
#pragma once

#include <filesystem>

#include "imaging/pixels.h"

namespace kelvaro {

// Largest image, in bytes of 32-bit pixels, that a decode will allocate (guards against files
// that declare a huge size).
inline constexpr int kDecodeAllocationLimitMiB = 64;

// Decodes `file` as a part image with straight alpha. An image of another size than 230x230 is
// placed at the top left of a transparent 230x230 image, cropped or padded.
bool decodePart(const std::filesystem::path& file, PartPixels& out);

// Decodes `file` as the background and stretches it over the canvas with a smooth filter;
// the result is premultiplied, ready for composition.
bool decodeWall(const std::filesystem::path& file, CanvasPixels& out);

}  // namespace kelvaro
