// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Decoding part and background images into the pipeline's pixel buffers.
//
// The image is read from a device opened for reading at its start and able to seek (a file io/
// opened, a buffer). An image that is corrupt, truncated or declares a size too large to decode
// safely (too many bytes, or a side too long to scale in good time) is a failed decode: the
// output buffer is left untouched and false returned.
#pragma once

#include <QIODevice>
#include <QImage>
#include <optional>

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

// Largest image, in bytes of 32-bit pixels, that a decode will allocate (guards against files
// that declare a huge size).
inline constexpr int kDecodeAllocationLimitMiB = 64;

// Longest side, in pixels, of an image a decode accepts. Scaling costs time in proportion to the
// longer side times the canvas, so a tiny file declaring a line of millions of pixels would
// stall the editor; no part or wall comes near this.
inline constexpr int kDecodeSideLimit = 16384;

// True unless `device` holds a PNG file whose chunk sequence breaks off before IEND (a chunk
// whose length runs past the end of the file, or no IEND at all) or whose critical chunk does
// not match its checksum. The PNG decoder fills the rows of a file cut short that it could read
// and leaves the rest transparent, so a part cut off by an interrupted copy would show half of
// itself; it counts as broken instead. A damaged file is turned away here, before the decoder's
// library, which would print its own complaints on standard error. The device is left at the
// start.
bool pngChunksIntact(QIODevice& device);

// The image in `device` through the program's direct PNG decoder alone (8-bit RGB or RGBA, not
// interlaced, up to 16 MiB), converted to `format` as the general decoder converts Qt's: for a
// file of that kind the pixels Qt's reader gives, without loading any of Qt's image plugins.
// Nothing, the device at its start, when the file is not of that kind.
std::optional<QImage> readSimpleImage(QIODevice& device, QImage::Format format);

// Decodes the image in `device` as a part image with straight alpha. An image of another size
// than 230x230 is placed at the top left of a transparent 230x230 image, cropped or padded.
// When it decodes and `nonZero` is given, sets it to nonZeroBounds(out).
bool decodePart(QIODevice& device, PartPixels& out, PixelBox* nonZero = nullptr);

// Decodes the image in `device` as the background and stretches it over the canvas with a
// smooth filter; the result is premultiplied, ready for composition.
bool decodeWall(QIODevice& device, CanvasPixels& out);

}  // namespace kelvaro
