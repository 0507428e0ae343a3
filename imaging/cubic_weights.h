// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Weights of the interpolating cubic (Keys, a = -0.5, also called Catmull-Rom) in fixed point.
//
// A sample at fractional offset t = phase / kPhaseCount past pixel `base` takes the pixels
// base - 1, base, base + 1 and base + 2 with the four weights of that phase. The weights of each
// phase are rounded to kWeightBits fractional bits and sum to exactly 1 << kWeightBits, so a
// constant area stays exactly constant and phase 0 picks the pixel at `base` alone.
#pragma once

#include <array>
#include <cstdint>

namespace kelvaro {

inline constexpr int kPhaseBits = 10;
inline constexpr int kPhaseCount = 1 << kPhaseBits;
inline constexpr int kWeightBits = 14;
inline constexpr int kWeightOne = 1 << kWeightBits;

using TapWeights = std::array<std::int16_t, 4>;

// The kernel itself, k(d) for a distance d from the sample point, in double precision.
double keysCubic(double distance);

// The rounded weights of every phase, indexed by phase 0..kPhaseCount-1.
const TapWeights* cubicWeightTable();

}  // namespace kelvaro
