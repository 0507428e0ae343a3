// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What a picture file declares about itself, read from its first bytes without decoding it: the
// kind of file and its size. A PNG file is judged by its signature and its IHDR chunk alone; a
// file of another kind by Qt's image reader, which tells the format from the content as the
// part decoder does.
#pragma once

#include <QIODevice>
#include <string>

namespace kelvaro {

// The kind and size a picture file declares.
struct PictureHeader {
    enum class Kind {
        Png,          // a PNG file with a valid IHDR
        OtherFormat,  // not PNG, but of a format Qt's readers know (`format` names it)
        Unreadable,   // neither: no decoder takes it
    };
    Kind kind = Kind::Unreadable;
    int width = 0;
    int height = 0;
    std::string format;  // "png", or Qt's name of the other format ("jpeg", "bmp", ...)
};

// The header of the picture in `device`, which must be open for reading at its start. A PNG file
// whose IHDR is missing, malformed or declares a combination of bit depth and colour type that
// PNG does not have is Unreadable, and so is a picture larger than the decoders accept
// (kDecodeSideLimit, kDecodeAllocationLimitMiB). Reads a few dozen bytes of a PNG file.
PictureHeader readPictureHeader(QIODevice& device);

}  // namespace kelvaro
