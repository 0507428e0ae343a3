// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Shrinking a square image of 32-bit pixels by area averaging, with the very arithmetic of Qt's
// smooth scaling (QImage::scaled with Qt::SmoothTransformation) when it shrinks both edges of a
// premultiplied ARGB32 or RGB32 image: the same pixels, byte for byte, without building a QImage
// and without Qt's per-pixel set-up.
//
// Along each axis output pixel i starts at source pixel floor(i * (from << 16) / to >> 16) and
// weighs the pixels it spans in 1/16384ths: the first by its share of the step, the next ones by
// the whole step, the last by what is left, summing to 16384. Each channel is summed across a row
// with these weights, cut to 1/1024ths (>> 4), summed down the rows with the row weights and cut
// to 8 bits (>> 24); the sums never pass 2^32.
#pragma once

#include "imaging/pixels.h"

namespace kelvaro {

// Whether boxDownscale takes a `from` x `from` image to `to` x `to`: 1 <= to < from <= 4096 and
// every source pixel the filter weighs lies inside the image (Qt's filter may reach one pixel
// past the edge for some odd sizes; those are left to Qt).
bool boxDownscaleFits(int from, int to);

// Writes `to` x `to` pixels into `dst` (rows without gaps) from the `from` x `from` pixels of
// `src` (rows without gaps), each of the four bytes of a pixel averaged on its own; with `opaque`
// the alpha byte of every result is 255 and the source's alpha bytes do not matter (Qt's RGB32).
// Requires boxDownscaleFits(from, to). Halving (from == 2 * to) takes a fast path, which gives
// each byte as floor(sum of the 2x2 block / 4), equal to the general path; with the kernel
// features' fast paths off (kernel_choice.h) the general path runs for every size.
void boxDownscale(const Argb* src, int from, Argb* dst, int to, bool opaque);

#ifdef KELVARO_X86
// The halving's fast path with AVX2, only where kernel_choice.h says the processor has it: the
// first `count` rounded down to a multiple of 4 output pixels of the row halving source rows
// `top` and `bottom` (2 * count pixels each) into `out`; returns how many it wrote.
int halveRowAvx2(const Argb* top, const Argb* bottom, Argb* out, int count, bool opaque);
#endif

}  // namespace kelvaro
