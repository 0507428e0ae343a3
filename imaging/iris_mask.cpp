// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/iris_mask.h"

#include <algorithm>
#include <cstdint>

namespace kelvaro {
namespace {

constexpr Argb kColourBytes = 0x00ffffffu;
constexpr Argb kAlphaByte = 0xff000000u;

// Iris columns (or rows) [begin, end); empty when begin == end.
struct Span {
    int begin;
    int end;
};

// The indices of `own` whose eye-shape partner at index + offset lies in `other`; an empty span
// at own.begin when there are none.
Span overlap(Span own, Span other, int offset) {
    const std::int64_t shift = offset;
    const auto begin = std::clamp<std::int64_t>(other.begin - shift, own.begin, own.end);
    const auto end = std::clamp<std::int64_t>(other.end - shift, begin, own.end);
    return {static_cast<int>(begin), static_cast<int>(end)};
}

void clearAlpha(Argb* row, int begin, int end) {
    for (int c = begin; c < end; ++c)
        row[c] &= kColourBytes;
}

// One row of the iris box `columns`: loaded iris alpha where the eye shape is not transparent
// inside `covered` (which lies within `columns`), no alpha elsewhere. eyeRow points at the
// eye-shape pixel under iris column covered.begin.
void maskRow(const Argb* irisRow, const Argb* eyeRow, Span columns, Span covered, Argb* out) {
    clearAlpha(out, columns.begin, covered.begin);
    for (int c = covered.begin; c < covered.end; ++c) {
        const Argb keep = (eyeRow[c - covered.begin] & kAlphaByte) != 0 ? kAlphaByte : 0u;
        out[c] = (out[c] & kColourBytes) | (irisRow[c] & keep);
    }
    clearAlpha(out, covered.end, columns.end);
}

}  // namespace

void maskIris(const PartPixels& irisLoaded, const PartPixels& eyeShapeLoaded, int dx, int dy,
              PartPixels& irisImage) {
    maskIrisInBoxes(irisLoaded, kWholePart, eyeShapeLoaded, kWholePart, dx, dy, irisImage);
}

void maskIrisInBoxes(const PartPixels& irisLoaded, const PixelBox& irisBox,
                     const PartPixels& eyeShapeLoaded, const PixelBox& eyeShapeBox, int dx, int dy,
                     PartPixels& irisImage) {
    const Span columns{irisBox.left, std::max(irisBox.left, irisBox.right)};
    const Span covered = overlap(columns, {eyeShapeBox.left, eyeShapeBox.right}, dx);
    const Span rows = overlap({irisBox.top, std::max(irisBox.top, irisBox.bottom)},
                              {eyeShapeBox.top, eyeShapeBox.bottom}, dy);
    for (int r = irisBox.top; r < irisBox.bottom; ++r) {
        Argb* out = irisImage.data() + r * kPartSize;
        if (covered.begin == covered.end || r < rows.begin || r >= rows.end) {
            clearAlpha(out, columns.begin, columns.end);
            continue;
        }
        // The partner lies inside the eye-shape box here, so these indices cannot overflow.
        const Argb* eyeRow = eyeShapeLoaded.data() + (r + dy) * kPartSize + (covered.begin + dx);
        maskRow(irisLoaded.data() + r * kPartSize, eyeRow, columns, covered, out);
    }
}

}  // namespace kelvaro
