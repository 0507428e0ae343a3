// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A random generator whose numbers are fixed by its seed on every machine and in every later
// version: SplitMix64 with an unbiased bounded draw. The renderer's casts are drawn with it, so a
// seed names the same faces for good. (The window's Generate keeps the standard generator seeded
// by the clock; see portrait_commands.h.)
//
// SplitMix64 (Steele, Lea, Flood 2014), all arithmetic modulo 2^64:
//   state += 0x9E3779B97F4A7C15
//   z = state
//   z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9
//   z = (z ^ (z >> 27)) * 0x94D049BB133111EB
//   next = z ^ (z >> 31)
// Bounded draw of a number in 0..n-1 (n >= 1), Lemire's multiply-and-reject method:
//   m = next * n as a 128-bit product; low = m mod 2^64
//   if low < n: threshold = (2^64 - n) mod n; while low < threshold: m = next * n, low = m mod 2^64
//   result = m >> 64
// Every result in 0..n-1 is equally likely; the draw takes one number of the stream, or more when
// a product falls into the rejected zone (at most n in 2^64 of them).
#pragma once

#include <cstdint>

#include "model/portrait_commands.h"

namespace kelvaro {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();

private:
    std::uint64_t m_state;
};

// A number in 0..count-1 drawn from `generator` as above; 0 for a count of 0.
std::uint64_t boundedDraw(SplitMix64& generator, std::uint64_t count);

// Part draws for chooseDrawnParts: `draw(highest)` is boundedDraw over highest + 1 numbers (0 for
// an element without parts), from a generator seeded with `seed`.
PartDraw splitMixPartDraw(std::uint64_t seed);

}  // namespace kelvaro
