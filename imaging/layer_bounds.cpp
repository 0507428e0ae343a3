#include "imaging/layer_bounds.h"

#include <algorithm>

namespace kelvaro {
namespace {

const Argb* rowOf(const PartPixels& image, int y) {
    return image.data() + y * kPartSize;
}

bool rowIsClear(const Argb* row) {
    std::uint32_t seen = 0;
    for (int x = 0; x < kPartSize; ++x)
        seen |= row[x];
    return (seen >> 24) == 0;
}

// Narrows [left, right) so that it still holds every visible pixel of `row`. Only the pixels
// outside the current range are looked at, so compact shapes cost little.
void widenToRow(const Argb* row, int& left, int& right) {
    int x = 0;
    while (x < left && alphaOf(row[x]) == 0)
        ++x;
    left = x;
    int end = kPartSize;
    while (end > right && alphaOf(row[end - 1]) == 0)
        --end;
    right = std::max(end, right);
}

}  // namespace

PixelBox visibleBounds(const PartPixels& image) {
    int top = 0;
    while (top < kPartSize && rowIsClear(rowOf(image, top)))
        ++top;
    if (top == kPartSize)
        return {};
    int bottom = kPartSize;
    while (rowIsClear(rowOf(image, bottom - 1)))
        --bottom;
    int left = kPartSize;
    int right = 0;
    for (int y = top; y < bottom; ++y)
        widenToRow(rowOf(image, y), left, right);
    return {left, top, right, bottom};
}

}  // namespace kelvaro
