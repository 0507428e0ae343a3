// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/opaque_taps.h"

#include <algorithm>

namespace kelvaro {
namespace {

// marks[x] = 1 when solid[x - 1 .. x + 2] all are (inside the row); `count` bytes each.
void fourInRow(const std::uint8_t* solid, std::uint8_t* marks, int count) {
    std::fill(marks, marks + count, std::uint8_t{0});
    for (int x = 1; x + 2 < count; ++x)
        marks[x] = solid[x - 1] & solid[x] & solid[x + 1] & solid[x + 2];
}

// Per box pixel: 1 when its own four horizontal taps are opaque.
void markRows(const PartPixels& image, const PixelBox& box, std::uint8_t* rows) {
    std::vector<std::uint8_t> solid(static_cast<std::size_t>(box.width()));
    for (int y = box.top; y < box.bottom; ++y) {
        const Argb* source = image.data() + y * kPartSize + box.left;
        for (int x = 0; x < box.width(); ++x)
            solid[static_cast<std::size_t>(x)] = alphaOf(source[x]) == 255 ? 1 : 0;
        fourInRow(solid.data(), rows + (y - box.top) * box.width(), box.width());
    }
}

// Widens `bounds` over the marked positions of one row of marks (image row `row`, first column
// `left`).
void widenOver(const std::uint8_t* marks, int count, int left, int row, PixelBox& bounds) {
    const std::uint8_t* end = marks + count;
    const std::uint8_t* first = std::find(marks, end, std::uint8_t{1});
    if (first == end)
        return;
    const auto last = static_cast<int>(
        std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(first), 1).base() -
        marks);
    const int from = left + static_cast<int>(first - marks);
    const int to = left + last;
    if (bounds.empty())
        bounds = {from, row, to, row + 1};
    bounds = {std::min(bounds.left, from), bounds.top, std::max(bounds.right, to), row + 1};
}

}  // namespace

void OpaqueTaps::markTaps() {
    const PixelBox& box = m_box;
    const auto size = static_cast<std::size_t>(box.width() * box.height());
    m_rows.resize(size);
    m_marks.assign(size, 0);
    markRows(*m_image, box, m_rows.data());
    const int w = box.width();
    m_opaque = {};
    for (int y = 1; y + 2 < box.height(); ++y) {
        const std::uint8_t* above = m_rows.data() + (y - 1) * w;
        std::uint8_t* marks = m_marks.data() + y * w;
        std::uint8_t any = 0;
        for (int x = 0; x < w; ++x) {
            marks[x] = above[x] & above[x + w] & above[x + 2 * w] & above[x + 3 * w];
            any |= marks[x];
        }
        if (any != 0)
            widenOver(marks, w, box.left, box.top + y, m_opaque);
    }
}

}  // namespace kelvaro
