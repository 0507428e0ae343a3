// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/iris_mask.h"

#include <algorithm>
#include <cstdint>

namespace kelvaro {
namespace {

constexpr Argb kColourBytes = 0x00ffffffu;
constexpr Argb kAlphaByte = 0xff000000u;

// The iris columns (or rows) [begin, end) whose eye-shape partner at index + offset lies inside
// the image; empty (begin == end) when the offset moves the eye shape wholly aside.
struct Span {
    int begin;
    int end;
};

Span coveredSpan(int offset) {
    const std::int64_t shift = offset;
    const auto begin = std::clamp<std::int64_t>(-shift, 0, kPartSize);
    const auto end = std::clamp<std::int64_t>(kPartSize - shift, begin, kPartSize);
    return {static_cast<int>(begin), static_cast<int>(end)};
}

void clearAlpha(Argb* row, int begin, int end) {
    for (int c = begin; c < end; ++c)
        row[c] &= kColourBytes;
}

// One covered row: loaded iris alpha where the eye shape is not transparent. eyeRow points at
// the eye-shape pixel under iris column columns.begin.
void maskRow(const Argb* irisRow, const Argb* eyeRow, Span columns, Argb* out) {
    clearAlpha(out, 0, columns.begin);
    for (int c = columns.begin; c < columns.end; ++c) {
        const Argb keep = (eyeRow[c - columns.begin] & kAlphaByte) != 0 ? kAlphaByte : 0u;
        out[c] = (out[c] & kColourBytes) | (irisRow[c] & keep);
    }
    clearAlpha(out, columns.end, kPartSize);
}

}  // namespace

void maskIris(const PartPixels& irisLoaded, const PartPixels& eyeShapeLoaded, int dx, int dy,
              PartPixels& irisImage) {
    const Span columns = coveredSpan(dx);
    const Span rows = coveredSpan(dy);
    const bool covered = columns.begin < columns.end && rows.begin < rows.end;
    for (int r = 0; r < kPartSize; ++r) {
        Argb* out = irisImage.data() + r * kPartSize;
        if (!covered || r < rows.begin || r >= rows.end) {
            clearAlpha(out, 0, kPartSize);
            continue;
        }
        // Both offsets are below the image size here, so these indices cannot overflow.
        const Argb* eyeRow = eyeShapeLoaded.data() + (r + dy) * kPartSize + (columns.begin + dx);
        maskRow(irisLoaded.data() + r * kPartSize, eyeRow, columns, out);
    }
}

}  // namespace kelvaro
