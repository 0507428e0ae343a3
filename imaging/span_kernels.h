// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The inner loops of composition: each draws one canvas row span of one layer, blending every
// sampled pixel over the canvas.
//
// Cubic kernels read a premultiplied patch whose border of kPatchMargin transparent pixels lets
// every tap of a sample inside the layer's visible box be read without bounds checks. Copy
// kernels read the straight-alpha layer image itself at whole-pixel sample coordinates.
#pragma once

#include <cstdint>

#include "imaging/pixels.h"

namespace kelvaro {

inline constexpr int kPatchMargin = 3;

struct SpanJob {
    const Argb* pixels = nullptr;  // patch or layer image; sample coordinates are relative to it
    int stride = 0;                // pixels per row of `pixels`
    std::int64_t sampleX = 0;      // 16.16 sample coordinate of the span's first pixel
    std::int64_t sampleY = 0;
    std::int64_t stepX = 0;  // change per canvas column
    std::int64_t stepY = 0;
    int count = 0;                        // canvas pixels in the span
    Argb* out = nullptr;                  // first canvas pixel of the span
    const std::uint8_t* cover = nullptr;  // per canvas pixel: level of the layer covering it
    std::uint8_t level = 0;               // this layer's level; pixels covered higher are skipped
};

using SpanKernel = void (*)(const SpanJob&);

// The rest of a span after its first `pixels` canvas pixels.
inline SpanJob spanAfter(const SpanJob& job, int pixels) {
    SpanJob rest = job;
    rest.sampleX += pixels * job.stepX;
    rest.sampleY += pixels * job.stepY;
    rest.count -= pixels;
    rest.out += pixels;
    rest.cover += pixels;
    return rest;
}

// One cubic sample of a premultiplied patch, clamped to a valid premultiplied pixel.
Argb sampleCubic(const Argb* pixels, int stride, std::int64_t sampleX, std::int64_t sampleY);

// Cubic spans, the portable kernel.
void cubicSpan(const SpanJob& job);

// Whole-pixel spans of a straight-alpha image: unturned or turned by quarter turns.
void copySpan(const SpanJob& job);

// Spans of premultiplied samples already taken, one pixel a canvas column (step of one pixel
// along the row): each is blended as it is.
void blendSpan(const SpanJob& job);

#ifdef KELVARO_X86
// With AVX2, only where kernel_choice.h says the processor has it: cubic spans one pixel at a
// time, and eight at a time (the last few of a span one at a time); whole-pixel spans of
// unturned layers (a step of one pixel along the row) and of samples kept, as blendSpan.
void cubicSpanAvx2(const SpanJob& job);
void cubicSpan8Avx2(const SpanJob& job);
void copySpanAvx2(const SpanJob& job);
void blendSpanAvx2(const SpanJob& job);
#endif

}  // namespace kelvaro
