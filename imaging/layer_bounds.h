// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part of a layer image that can show: the smallest rectangle holding every pixel whose
// alpha is not 0, optionally looked for only inside the pixels composition can reach.
#pragma once

#include "imaging/pixels.h"

namespace kelvaro {

// Pixel rectangle [left, right) x [top, bottom) in image pixel indices.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

inline constexpr PixelBox kWholePart{0, 0, kPartSize, kPartSize};

// The pixels lying in both boxes (empty when they do not meet).
constexpr PixelBox intersection(const PixelBox& a, const PixelBox& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// The bounding box of the non-transparent pixels inside `within` (which must lie inside the
// image); empty when every alpha there is 0. Pixels outside `within` are never read.
PixelBox visibleBounds(const PartPixels& image, const PixelBox& within = kWholePart);

// The bounding box of the pixels inside `within` (which must lie inside the image) that are not 0
// (transparent pixels with colour bytes count too); it holds visibleBounds. Empty when every pixel
// there is 0. Pixels outside `within` are never read.
PixelBox nonZeroBounds(const PartPixels& image, const PixelBox& within = kWholePart);

}  // namespace kelvaro
