// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The row work of the direct PNG decoder: undoing a row's filter and turning its bytes into
// pixels. Where the processor has AVX2 and kernel_choice.h allows it, vector kernels do both;
// they give exactly the bytes and pixels the portable code does.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/pixels.h"

namespace kelvaro {

// Bytes that must be readable after the end of every row and previous row handed to
// unfilterRow (never written): the vector kernels read whole pixels of four bytes.
inline constexpr std::size_t kUnfilterSlack = 4;

// Undoes one row's filter in place: `row` holds `length` bytes, pixels of `bpp` bytes (3 or 4),
// `previous` the row above with its filter undone (zeros for the first row); both are followed
// by kUnfilterSlack readable bytes. A pixel's left neighbour before the first counts as 0. False,
// the row unchanged, for an unknown filter.
bool unfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                 std::size_t length, std::size_t bpp);

// `width` pixels of RGBA bytes as pixels (bytes blue, green, red, alpha in memory); true when
// any of the pixels written is not 0.
bool convertRgbaRow(const std::uint8_t* in, Argb* out, int width);

// `width` pixels of RGB bytes as opaque pixels; true when it wrote any (width > 0).
bool convertRgbRow(const std::uint8_t* in, Argb* out, int width);

// The two ways each of them may take.
bool unfilterRowPortable(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                         std::size_t length, std::size_t bpp);
bool convertRgbaRowPortable(const std::uint8_t* in, Argb* out, int width);
bool convertRgbRowPortable(const std::uint8_t* in, Argb* out, int width);
#ifdef KELVARO_X86
bool unfilterRowAvx2(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                     std::size_t length, std::size_t bpp);
bool convertRgbaRowAvx2(const std::uint8_t* in, Argb* out, int width);
bool convertRgbRowAvx2(const std::uint8_t* in, Argb* out, int width);
#endif

}  // namespace kelvaro
