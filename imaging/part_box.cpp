// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/part_box.h"

#include <algorithm>
#include <cstring>

namespace kelvaro {
namespace {

Argb* rowOf(PartPixels& image, int y) {
    return image.data() + static_cast<std::size_t>(y) * kPartSize;
}

void clearColumns(Argb* row, int from, int to) {
    if (to > from)
        std::fill(row + from, row + to, Argb{0});
}

bool holdsRow(const PixelBox& box, int y) {
    return !box.empty() && y >= box.top && y < box.bottom;
}

// Clears the pixels of `dirty` that `box` does not cover.
void clearOutside(const PixelBox& box, const PixelBox& dirty, PartPixels& image) {
    for (int y = dirty.top; y < dirty.bottom; ++y) {
        Argb* row = rowOf(image, y);
        if (!holdsRow(box, y)) {
            clearColumns(row, dirty.left, dirty.right);
            continue;
        }
        clearColumns(row, dirty.left, std::min(dirty.right, box.left));
        clearColumns(row, std::max(dirty.left, box.right), dirty.right);
    }
}

}  // namespace

std::vector<Argb> copyBox(const PartPixels& image, const PixelBox& box) {
    if (box.empty())
        return {};
    const auto width = static_cast<std::size_t>(box.width());
    std::vector<Argb> pixels;
    pixels.reserve(width * static_cast<std::size_t>(box.height()));  // not zeroed first
    for (int y = box.top; y < box.bottom; ++y) {
        const Argb* from = image.data() + static_cast<std::size_t>(y) * kPartSize + box.left;
        pixels.insert(pixels.end(), from, from + width);
    }
    return pixels;
}

void expandBox(std::span<const Argb> boxPixels, const PixelBox& box, const PixelBox& dirty,
               PartPixels& image) {
    clearOutside(box, dirty, image);
    if (box.empty())
        return;
    const auto width = static_cast<std::size_t>(box.width());
    for (int y = box.top; y < box.bottom; ++y) {
        std::memcpy(rowOf(image, y) + box.left,
                    boxPixels.data() + static_cast<std::size_t>(y - box.top) * width,
                    width * sizeof(Argb));
    }
}

}  // namespace kelvaro
