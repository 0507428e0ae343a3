// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A part image kept as one box of its pixels: everything outside the box is 0, so only the box
// is stored, row after row with the box's width as the stride. Expanding writes the box back
// into a full 230x230 image that a previous box has left pixels in.
#pragma once

#include <span>
#include <vector>

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

// The pixels of `image` inside `box` (which must lie inside the image), rows top to bottom,
// box.width() pixels a row; nothing for an empty box.
std::vector<Argb> copyBox(const PartPixels& image, const PixelBox& box);

// Writes `boxPixels` (as copyBox gives them for `box`) into `image` at `box` and sets every pixel
// of `dirty` outside `box` to 0. When `image` is 0 outside `dirty`, it is afterwards the image
// the pixels were copied from: 0 outside `box`. Both boxes must lie inside the image; pixels
// outside both are never touched.
void expandBox(std::span<const Argb> boxPixels, const PixelBox& box, const PixelBox& dirty,
               PartPixels& image);

}  // namespace kelvaro
