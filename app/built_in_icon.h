// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The application icon drawn when the program was built: kelvaro-make-icons --pixels draws it
// with the icon code of ui/icons.h and writes its pixels as a source file of this library, so
// that the editor's start neither draws nor decodes it.
#pragma once

#include <QImage>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/icons.h"

namespace kelvaro {

// One image of the icon: `size` x `size` premultiplied ARGB32 pixels (QRgb values, rows top to
// bottom, no padding), 16-byte aligned.
struct IconPixels {
    int size;
    const std::uint32_t* pixels;
};
// The images of kApplicationIconSizes, in that order (defined by the generated source).
extern const std::array<IconPixels, kApplicationIconSizes.size()> kBuiltInIconPixels;

// The images of kBuiltInIconPixels[from, to) (from <= to <= 6), as iconImage(kApplicationIcon,
// size) gives them (premultiplied ARGB32, device pixel ratio 1), wrapping the constant data
// without copying it.
std::vector<QImage> builtInApplicationIconImages(std::size_t from = 0,
                                                 std::size_t to = kApplicationIconSizes.size());

}  // namespace kelvaro
