// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures people bring to the part library: any format Qt reads, recognised by content, read
// whole from bytes in memory. The size a picture declares is judged before anything is decoded,
// so that a small file declaring a huge image is refused instead of taking gigabytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace kelvaro {

// Largest picture read, in MiB of 32-bit pixels: a photo of about 67 million pixels.
inline constexpr int kPictureAllocationLimitMiB = 256;

// What reading a picture gave.
enum class PictureReading {
    Read,         // `image` holds the picture
    Undecodable,  // no reader knows the content, or it is damaged or cut short
    TooLarge,     // its declared size is above the limits; nothing was decoded
};

struct DecodedPicture {
    PictureReading reading = PictureReading::Undecodable;
    QImage image;        // when read: in the orientation its file asks for
    QSize declaredSize;  // as the file's header declares it (invalid when none)
    // True when the bytes are a PNG file read as stored (no orientation applied to it).
    bool storedPng = false;
};

// Reads the picture in `bytes`. A PNG must have its chunks intact (pngChunksIntact); any side
// above kDecodeSideLimit or a pixel count above kPictureAllocationLimitMiB is TooLarge.
DecodedPicture decodePicture(const QByteArray& bytes);

}  // namespace kelvaro
