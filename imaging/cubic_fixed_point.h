// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The fixed-point arithmetic every cubic kernel shares, so that the portable kernel and the
// vector kernels read the same taps with the same weights and round the same way.
//
// A sample at 16.16 coordinate (x, y) reads the 4x4 pixels from (floor(x) - 1, floor(y) - 1),
// weighted by the phases of x and y (the top kPhaseBits of their fractions). Per channel, each
// column of four taps is weighted vertically (14-bit weights times 8-bit channels) and rounded
// down by kColumnShift bits; the four column sums are weighted horizontally and rounded down by
// kFinalShift bits back to 8 bits.
#pragma once

#include <array>
#include <cstdint>

#include "imaging/cubic_weights.h"
#include "imaging/layer_placement.h"
#include "imaging/pixels.h"

namespace kelvaro {

inline constexpr int kColumnShift = 7;
inline constexpr int kColumnRound = 1 << (kColumnShift - 1);
inline constexpr int kFinalShift = 2 * kWeightBits - kColumnShift;
inline constexpr int kFinalRound = 1 << (kFinalShift - 1);

// Where the phase sits in a 16.16 coordinate.
inline constexpr int kPhaseShift = kFixedBits - kPhaseBits;

constexpr int phaseOf(std::int64_t coordinate) {
    return static_cast<int>((coordinate >> kPhaseShift) & (kPhaseCount - 1));
}

// The first of the four taps on an axis lies one pixel before the pixel holding the coordinate.
inline constexpr int kTapsBefore = 1;

constexpr const Argb* topLeftTap(const Argb* pixels, int stride, std::int64_t x, std::int64_t y) {
    const auto column = static_cast<int>(x >> kFixedBits);
    const auto row = static_cast<int>(y >> kFixedBits);
    return pixels + (row - kTapsBefore) * stride + (column - kTapsBefore);
}

// Byte shuffles within each 16-byte lane of four pixels (bytes blue, green, red, alpha):
// each pixel's alpha byte copied to its four bytes, and, for pixels widened to 16-bit channels
// (two per lane), each pixel's alpha word copied to its four words.
inline constexpr std::array<std::int8_t, 16> kAlphaToBytes = {3,  3,  3,  3,  7,  7,  7,  7,
                                                              11, 11, 11, 11, 15, 15, 15, 15};
inline constexpr std::array<std::int8_t, 16> kAlphaToWords = {6,  7,  6,  7,  6,  7,  6,  7,
                                                              14, 15, 14, 15, 14, 15, 14, 15};

}  // namespace kelvaro
