// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A direct decoder for the kind of PNG file nearly every part is: 8 bits a channel, RGB or RGBA,
// not interlaced, with no chunk that could change how its pixels are read. It inflates the image
// data with libdeflate and undoes the row filters itself, several times faster than going through
// Qt's image reader and libpng. Anything else it declines, and the general decoder takes the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

// The rows of a file of the simple kind with their filters undone, in a buffer of the calling
// thread's: valid until the thread's next decode.
class SimplePngRows {
public:
    // Rows of `width` pixels of `channels` bytes (3 or 4), each after its filter byte.
    SimplePngRows(int pixelsWide, int pixelsHigh, int channels, const std::uint8_t* rows)
        : width(pixelsWide), height(pixelsHigh), m_channels(channels), m_rows(rows) {}

    // Writes the first `count` (at most width) pixels of row `y` into `out`, straight alpha;
    // the pixels of a file without alpha are opaque. True when any pixel written is not 0.
    bool convertRow(int y, int count, Argb* out) const;

    const int width;
    const int height;

private:
    int m_channels;
    const std::uint8_t* m_rows;
};

// The rows of the PNG file in `bytes` when it is of the simple kind and regular (see
// decodeSimplePng); nothing otherwise.
std::optional<SimplePngRows> decodeSimplePngRows(const std::uint8_t* bytes, std::size_t size);

// Decodes the whole PNG file in `bytes` into `out` as decodePart does (straight alpha, placed at
// the top left of a transparent 230x230 image, cropped or padded) and returns true; returns false
// and leaves `out` untouched for a file of another kind or anything irregular about it (a chunk
// out of place or failing its checksum, image data short, long or corrupt, an unknown filter),
// which the general decoder then judges. When it decodes and `nonZero` is given, sets it to
// nonZeroBounds(out), worked out from the rows as they are written.
bool decodeSimplePng(const std::uint8_t* bytes, std::size_t size, PartPixels& out,
                     PixelBox* nonZero = nullptr);

}  // namespace kelvaro
